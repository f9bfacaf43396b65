#pragma once

#include <string_view>

namespace output {

// Writes all of `bytes` to an open file descriptor (POSIX): short writes and interruptions are
// retried, and a reader that went away comes back as EPIPE rather than as a SIGPIPE that ends
// the program before it can say why. Returns 0, or the errno of the write that failed.
// Free of Qt, so the command's text and JSON can use it too.
int writeFully(int fd, std::string_view bytes);

} // namespace output
