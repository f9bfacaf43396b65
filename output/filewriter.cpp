#include "output/filewriter.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include "output/descriptorwrite.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#include <QSaveFile>
#endif

namespace output {

WriteResult writeAll(QIODevice& device, const QByteArray& document)
{
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

// Written beside the target under a short name of our own (a long target name plus a
// suffix could exceed the file-name limit), then renamed over it once it is whole on disk.
WriteResult replaceRegular(const QByteArray& path, const QByteArray& document, const struct stat* existing)
{
    if (existing && ::access(path.constData(), W_OK) != 0)
        return failure(WriteStatus::CannotCreate, errno);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folderOf(path) + "/.mixdesign-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existing ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failure(WriteStatus::CannotCreate, errno);

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
    if (::close(fd) != 0 && result.ok())
        result = failure(WriteStatus::IoError, errno);
    if (result.ok() && ::rename(temporary.constData(), path.constData()) != 0)
        result = failure(WriteStatus::IoError, errno);
    if (!result.ok()) {
        ::unlink(temporary.constData());
        return result;
    }
    // The rename itself reaches the disk with the folder; not every file system can say so.
    if (const int folder = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return result;
}

// A link to a file is followed, so the file is replaced and the link stays a link.
QByteArray followLink(const QByteArray& target)
{
    struct stat link;
    if (::lstat(target.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return target;
    char* real = ::realpath(target.constData(), nullptr);
    if (!real)
        return target;
    QByteArray resolved(real);
    std::free(real);
    return resolved;
}

} // namespace

WriteResult writeFile(const QByteArray& target, const QByteArray& document)
{
    if (target == "-")
        return writeDescriptor(STDOUT_FILENO, document);
    if (target.isEmpty() || target.contains('\0'))
        return failure(WriteStatus::CannotCreate, ENOENT);
    const QByteArray path = followLink(target);
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
