#include "output/filewriter.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include "output/descriptorwrite.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#include <QSaveFile>
#endif

namespace output {

WriteResult writeAll(QIODevice& device, const QByteArray& document)
{
    const WriteSignalsHeld held;
    qint64 done = 0;
    while (done < document.size()) {
        const qint64 written = device.write(document.constData() + done, document.size() - done);
        if (written <= 0)
            return {WriteStatus::IoError, device.errorString()};
        done += written;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && !file->flush())
        return {WriteStatus::IoError, file->errorString()};
    return {};
}

WriteResult writeFile(const QString& target, const QByteArray& document)
{
    return writeFile(QFile::encodeName(target), document);
}

#ifdef Q_OS_UNIX
namespace {

WriteResult failure(WriteStatus status, int error) { return {status, qt_error_string(error)}; }

WriteResult writeDescriptor(int fd, const QByteArray& document)
{
    if (const int error = writeFully(fd, std::string_view(document.constData(), size_t(document.size()))))
        return failure(WriteStatus::IoError, error);
    return {};
}

// A FIFO or a device node stays what it is: opened and written like any other file, with
// no truncation, no temporary file and no rename.
WriteResult writeStraight(const QByteArray& path, const QByteArray& document)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failure(WriteStatus::CannotCreate, errno);
    WriteResult result = writeDescriptor(fd, document);
    if (::close(fd) != 0 && result.ok())
        result = failure(WriteStatus::IoError, errno);
    return result;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

QByteArray temporaryName() { return ".mixdesign-" + QByteArray::number(QRandomGenerator::global()->generate(), 36); }

// Gives the file open on `fd` a name of our own in `folder`, or the errno of the failure.
int linkAnonymous(int fd, int folder, QByteArray& temporary)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName();
        if (::linkat(AT_FDCWD, self.constData(), folder, temporary.constData(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

WriteResult fillTemporary(int fd, const QByteArray& document, const struct stat* existing)
{
    WriteResult result;
    if (existing) {
        // Root replacing someone's file gives it back to them; anyone else keeps what may be kept.
        [[maybe_unused]] const int owned = ::fchown(fd, existing->st_uid, existing->st_gid);
        if (::fchmod(fd, existing->st_mode & 07777) != 0)
            result = failure(WriteStatus::IoError, errno);
    }
    if (result.ok())
        result = writeDescriptor(fd, document);
    if (result.ok() && ::fsync(fd) != 0)
        result = failure(WriteStatus::IoError, errno);
    return result;
}

// Written beside the target, then renamed over it once it is whole on disk. Where the system
// can, the new file has no name at all until it is whole (O_TMPFILE), so a program killed while
// writing, even by SIGKILL, leaves nothing behind; elsewhere it goes under a short name of our
// own. Every name is taken relative to the opened folder, so a target that fits PATH_MAX is
// written even when the folder and a temporary name together would not.
WriteResult replaceRegular(const QByteArray& path, const QByteArray& document, const struct stat* existing)
{
    const int folder = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return failure(WriteStatus::CannotCreate, errno);
    const QByteArray name = nameOf(path);
    const auto done = [folder](WriteResult result) {
        ::close(folder);
        return result;
    };
    if (existing && ::faccessat(folder, name.constData(), W_OK, 0) != 0)
        return done(failure(WriteStatus::CannotCreate, errno));
    const mode_t mode = existing ? 0600 : 0666;

    QByteArray temporary;
    WriteResult result;
    bool named = false;
#ifdef O_TMPFILE
    if (const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode); fd >= 0) {
        result = fillTemporary(fd, document, existing);
        if (result.ok()) {
            const int error = linkAnonymous(fd, folder, temporary);
            named = error == 0;
            if (!named && error != ENOENT) // ENOENT: no /proc to link through; write it named below
                result = failure(WriteStatus::IoError, error);
        }
        if (::close(fd) != 0 && result.ok() && named)
            result = failure(WriteStatus::IoError, errno);
        if (!result.ok()) {
            if (named)
                ::unlinkat(folder, temporary.constData(), 0);
            return done(result);
        }
    }
#endif
    if (!named) {
        int fd = -1;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temporary = temporaryName();
            fd = ::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0)
            return done(failure(WriteStatus::CannotCreate, errno));
        result = fillTemporary(fd, document, existing);
        if (::close(fd) != 0 && result.ok())
            result = failure(WriteStatus::IoError, errno);
    }
    if (result.ok() && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        result = failure(WriteStatus::IoError, errno);
    if (!result.ok()) {
        ::unlinkat(folder, temporary.constData(), 0);
        return done(result);
    }
    // The rename itself reaches the disk with the folder; not every file system can say so.
    ::fsync(folder);
    return done(result);
}

// A link to a file is followed, so the file is replaced and the link stays a link. A link that
// names nothing is refused: replacing it by a file would quietly break whatever it was for.
std::optional<QByteArray> followLink(const QByteArray& target)
{
    struct stat link;
    if (::lstat(target.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return target;
    char* real = ::realpath(target.constData(), nullptr);
    if (!real)
        return std::nullopt;
    QByteArray resolved(real);
    std::free(real);
    return resolved;
}

QByteArray danglingTarget(const QByteArray& link)
{
    char buffer[4096];
    const ssize_t n = ::readlink(link.constData(), buffer, sizeof buffer);
    return n > 0 ? QByteArray(buffer, n) : link;
}

} // namespace

WriteResult writeFile(const QByteArray& target, const QByteArray& document)
{
    if (target == "-")
        return writeDescriptor(STDOUT_FILENO, document);
    if (target.isEmpty() || target.contains('\0'))
        return failure(WriteStatus::CannotCreate, ENOENT);
    const std::optional<QByteArray> followed = followLink(target);
    if (!followed && errno == ENOENT)
        return {WriteStatus::CannotCreate, QStringLiteral("a symbolic link to nothing: %1 does not exist")
                                               .arg(QFile::decodeName(danglingTarget(target)))};
    if (!followed)
        return failure(WriteStatus::CannotCreate, errno);
    const QByteArray& path = *followed;
    struct stat existing;
    if (::stat(path.constData(), &existing) != 0) {
        if (errno != ENOENT)
            return failure(WriteStatus::CannotCreate, errno);
        return replaceRegular(path, document, nullptr);
    }
    if (S_ISDIR(existing.st_mode))
        return failure(WriteStatus::CannotCreate, EISDIR);
    if (!S_ISREG(existing.st_mode))
        return writeStraight(path, document);
    return replaceRegular(path, document, &existing);
}

#else

WriteResult writeFile(const QByteArray& target, const QByteArray& document)
{
    if (target == "-") {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
            return {WriteStatus::IoError, out.errorString()};
        return writeAll(out, document);
    }
    const QString name = QFile::decodeName(target);
    const QFileInfo info(name);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile straight(name);
        if (!straight.open(QIODevice::WriteOnly))
            return {WriteStatus::CannotCreate, straight.errorString()};
        return writeAll(straight, document);
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return {WriteStatus::CannotCreate, file.errorString()};
    if (WriteResult result = writeAll(file, document); !result.ok()) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return {WriteStatus::IoError, file.errorString()};
    return {};
}

#endif

} // namespace output
