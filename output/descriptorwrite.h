#pragma once

#include <csignal>
#include <string_view>

namespace output {

// Holds SIGPIPE and SIGXFSZ back for this thread while it writes, and takes away any it raised
// itself: a reader that went away or a file-size limit then comes back as EPIPE or EFBIG, told
// with its reason, rather than as a signal that ends the program without a word (POSIX).
class WriteSignalsHeld {
public:
    WriteSignalsHeld();
    ~WriteSignalsHeld();
    WriteSignalsHeld(const WriteSignalsHeld&) = delete;
    WriteSignalsHeld& operator=(const WriteSignalsHeld&) = delete;

private:
    sigset_t m_held;
    sigset_t m_previous;
    sigset_t m_pendingBefore;
};

// Writes all of `bytes` to an open file descriptor (POSIX): short writes and interruptions are
// retried, and a reader that went away comes back as EPIPE rather than as a SIGPIPE that ends
// the program before it can say why. Returns 0, or the errno of the write that failed.
// Free of Qt, so the command's text and JSON can use it too.
int writeFully(int fd, std::string_view bytes);

} // namespace output
