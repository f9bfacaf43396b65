#pragma once

// The command's exit statuses, each named once; from 64 on they keep the meaning of the BSD
// sysexits, which scripts and shells know.
namespace cli::exitstatus {

inline constexpr int kOk = 0;
inline constexpr int kRefused = 2;       // a design refused, or a batch row not designed
inline constexpr int kUsage = 64;        // EX_USAGE: the command line is wrong
inline constexpr int kDataError = 65;    // EX_DATAERR: batch input without the expected header
inline constexpr int kNoInput = 66;      // EX_NOINPUT: the batch file cannot be opened
inline constexpr int kUnavailable = 69;  // EX_UNAVAILABLE: no PDF in this build or install
inline constexpr int kSoftware = 70;     // EX_SOFTWARE: the PDF could not be drawn
inline constexpr int kCannotCreate = 73; // EX_CANTCREAT: the output file cannot be created
inline constexpr int kIoError = 74;      // EX_IOERR: writing the output failed

} // namespace cli::exitstatus
