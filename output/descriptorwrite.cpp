#include "output/descriptorwrite.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <unistd.h>

namespace output {
WriteSignalsHeld::WriteSignalsHeld()
{
    sigemptyset(&m_held);
    sigaddset(&m_held, SIGPIPE);
    sigaddset(&m_held, SIGXFSZ);
    sigpending(&m_pendingBefore);
    pthread_sigmask(SIG_BLOCK, &m_held, &m_previous);
}

WriteSignalsHeld::~WriteSignalsHeld()
{
    const int savedErrno = errno;
    sigset_t pending;
    sigpending(&pending);
    for (const int sig : {SIGPIPE, SIGXFSZ}) {
        if (sigismember(&m_pendingBefore, sig) == 1 || sigismember(&pending, sig) != 1)
            continue;
        sigset_t one;
        sigemptyset(&one);
        sigaddset(&one, sig);
        const timespec now{};
        while (sigtimedwait(&one, nullptr, &now) == -1 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    errno = savedErrno;
}

int writeFully(int fd, std::string_view bytes)
{
    const WriteSignalsHeld held;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        bytes.remove_prefix(size_t(written));
    }
    return 0;
}

} // namespace output
