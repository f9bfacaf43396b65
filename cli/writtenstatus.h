#pragma once

#include "cli/exitstatus.h"
#include "output/filewriter.h"

namespace cli {

// The exit status the command ends with after writing a file: 0, cannot create, or I/O error.
inline int exitStatusOf(const output::WriteResult& result)
{
    switch (result.status) {
    case output::WriteStatus::Written:
        return exitstatus::kOk;
    case output::WriteStatus::CannotCreate:
        return exitstatus::kCannotCreate;
    case output::WriteStatus::IoError:
        break;
    }
    return exitstatus::kIoError;
}

} // namespace cli
