#include "cli/writtenstatus.h"
#include "output/filewriter.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using output::WriteStatus;

namespace {

// Accepts `room` bytes, then fails every write as a full disk would.
class FailingDevice : public QBuffer {
public:
    explicit FailingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 taken = std::min(size, m_room - pos());
        if (taken <= 0) {
            setErrorString(QStringLiteral("device full"));
            return -1;
        }
        return QBuffer::writeData(data, taken);
    }

private:
    qint64 m_room;
};

QByteArray document(int tens) { return QByteArray("0123456789").repeated(tens); }

QByteArray contents(const QByteArray& path)
{
    // By descriptor: QFile's own names are lossy for bytes that are not UTF-8.
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {};
    return file.readAll();
}

void put(const QByteArray& path, const QByteArray& bytes, mode_t mode)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    ASSERT_EQ(::fchmod(fd, mode), 0);
    ::close(fd);
}

mode_t modeOf(const QByteArray& path, bool follow = true)
{
    struct stat st {};
    (follow ? ::stat : ::lstat)(path.constData(), &st);
    return st.st_mode;
}

struct Folder {
    QTemporaryDir dir;
    QByteArray path(const char* name) const { return QFile::encodeName(dir.path()) + '/' + name; }
    // Names as bytes, straight from the folder, hidden ones included.
    std::set<std::string> names() const
    {
        std::set<std::string> names;
        DIR* folder = ::opendir(QFile::encodeName(dir.path()).constData());
        while (const dirent* entry = folder ? ::readdir(folder) : nullptr)
            if (const std::string name = entry->d_name; name != "." && name != "..")
                names.insert(name);
        if (folder)
            ::closedir(folder);
        return names;
    }
};

} // namespace

TEST(FileWriter, DeviceFailingPartWayIsAnIoErrorWithItsReason)
{
    FailingDevice device(1000);
    const auto result = output::writeAll(device, document(500));
    EXPECT_EQ(result.status, WriteStatus::IoError);
    EXPECT_EQ(result.reason, QStringLiteral("device full"));
    EXPECT_EQ(cli::exitStatusOf(result), 74);
    EXPECT_EQ(device.data(), document(100));
}

// A write that fails half-way through a real file (the file-size limit stands in for a full
// disk): the old file stays byte for byte, no temporary file is left, the reason is told.
TEST(FileWriter, FailedReplaceLeavesTheOldFileAsItWas)
{
    Folder folder;
    const QByteArray target = folder.path("report.pdf");
    put(target, "the old report", 0644);

    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const auto result = output::writeFile(target, document(10000));
        const QByteArray reason = result.reason.toUtf8();
        [[maybe_unused]] auto told = ::write(channel[1], reason.constData(), reason.size());
        ::_exit(cli::exitStatusOf(result));
    }
    ::close(channel[1]);
    char reason[256] = {};
    [[maybe_unused]] auto heard = ::read(channel[0], reason, sizeof reason - 1);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 74);
    EXPECT_STREQ(reason, "File too large");
    EXPECT_EQ(contents(target), QByteArray("the old report"));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"report.pdf"}));
}

TEST(FileWriter, ReplacesRegularFilesKeepingModeNameBytesAndLinks)
{
    Folder folder;
    const mode_t oldMask = ::umask(022);

    put(folder.path("kept.pdf"), "old", 0640);
    ASSERT_TRUE(output::writeFile(folder.path("kept.pdf"), "new").ok());
    EXPECT_EQ(modeOf(folder.path("kept.pdf")) & 07777, 0640u);

    // Not UTF-8: the very bytes become the name, nothing replaced by U+FFFD.
    ASSERT_TRUE(output::writeFile(folder.path("bad\xff.pdf"), "fresh").ok());
    EXPECT_EQ(contents(folder.path("bad\xff.pdf")), QByteArray("fresh"));
    EXPECT_EQ(modeOf(folder.path("bad\xff.pdf")) & 07777, 0644u);

    put(folder.path("real.pdf"), "old", 0600);
    ASSERT_EQ(::symlink("real.pdf", folder.path("link.pdf").constData()), 0);
    ASSERT_TRUE(output::writeFile(folder.path("link.pdf"), "through the link").ok());
    EXPECT_TRUE(S_ISLNK(modeOf(folder.path("link.pdf"), false)));
    EXPECT_EQ(contents(folder.path("real.pdf")), QByteArray("through the link"));

    ::umask(oldMask);
    EXPECT_EQ(contents(folder.path("kept.pdf")), QByteArray("new"));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"bad\xff.pdf", "kept.pdf", "link.pdf", "real.pdf"}));
}

TEST(FileWriter, FifoIsWrittenIntoAndStaysAFifo)
{
    Folder folder;
    const QByteArray fifo = folder.path("pipe");
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const QByteArray sent = document(30000); // more than the pipe holds at once

    QByteArray received;
    std::thread reader([&] { received = contents(fifo); });
    const auto result = output::writeFile(fifo, sent);
    reader.join();
    EXPECT_TRUE(result.ok()) << result.reason.toStdString();
    EXPECT_EQ(received, sent);
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));

    // A reader that quits early is an error to report, not a signal that ends the program.
    std::thread quitter([&] { ::close(::open(fifo.constData(), O_RDONLY)); });
    const auto broken = output::writeFile(fifo, sent);
    quitter.join();
    EXPECT_EQ(broken.status, WriteStatus::IoError);
    EXPECT_EQ(broken.reason, QStringLiteral("Broken pipe"));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pipe"}));
}

TEST(FileWriter, DashIsStandardOutput)
{
    Folder folder;
    const int savedOut = ::dup(STDOUT_FILENO);
    const int file = ::open(folder.path("out").constData(), O_WRONLY | O_CREAT, 0600);
    ::dup2(file, STDOUT_FILENO);
    const auto written = output::writeFile(QByteArray("-"), "on standard output");

    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    ::close(channel[0]);
    ::dup2(channel[1], STDOUT_FILENO);
    const auto broken = output::writeFile(QByteArray("-"), "nobody reads this");

    ::dup2(savedOut, STDOUT_FILENO);
    for (const int fd : {savedOut, file, channel[1]})
        ::close(fd);
    EXPECT_TRUE(written.ok());
    EXPECT_EQ(contents(folder.path("out")), QByteArray("on standard output"));
    EXPECT_EQ(broken.status, WriteStatus::IoError);
    EXPECT_EQ(cli::exitStatusOf(broken), 74);
}

TEST(FileWriter, TargetThatCannotBeCreatedSaysWhy)
{
    Folder folder;
    ASSERT_EQ(::mkdir(folder.path("folder").constData(), 0700), 0);
    const struct {
        const char* name;
        const char* reason;
    } rows[] = {
        {"no such folder/report.pdf", "No such file or directory"},
        {"folder", "Is a directory"},
    };
    for (const auto& row : rows) {
        const auto result = output::writeFile(folder.path(row.name), "report");
        EXPECT_EQ(result.status, WriteStatus::CannotCreate) << row.name;
        EXPECT_EQ(cli::exitStatusOf(result), 73) << row.name;
        EXPECT_EQ(result.reason, QString::fromLatin1(row.reason)) << row.name;
    }
    EXPECT_EQ(folder.names(), (std::set<std::string>{"folder"}));
}

// A link that names nothing is refused and stays as it was; a target whose folder plus a
// temporary name would pass PATH_MAX is written; nothing but the target is left in the folder.
TEST(FileWriter, DanglingLinkIsRefusedAndLongTargetsAreWritten)
{
    Folder folder;
    ASSERT_EQ(::symlink("gone.pdf", folder.path("dangling.pdf").constData()), 0);
    const auto dangling = output::writeFile(folder.path("dangling.pdf"), "report");
    EXPECT_EQ(dangling.status, WriteStatus::CannotCreate);
    EXPECT_EQ(dangling.reason, QStringLiteral("a symbolic link to nothing: gone.pdf does not exist"));
    EXPECT_TRUE(S_ISLNK(modeOf(folder.path("dangling.pdf"), false)));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"dangling.pdf"}));

    QByteArray deep = QFile::encodeName(folder.dir.path());
    while (deep.size() < 4078) {
        deep += '/' + QByteArray(std::min<qsizetype>(200, 4078 - deep.size() - 1), 'd');
        ASSERT_EQ(::mkdir(deep.constData(), 0700), 0);
    }
    const QByteArray target = deep + "/report.pdf";
    ASSERT_LT(target.size(), 4096);
    const auto longName = output::writeFile(target, "deep");
    EXPECT_TRUE(longName.ok()) << longName.reason.toStdString();
    EXPECT_EQ(contents(target), QByteArray("deep"));
    const int fd = ::open(deep.constData(), O_RDONLY | O_DIRECTORY);
    DIR* inside = ::fdopendir(fd);
    int entries = 0;
    while (const dirent* entry = inside ? ::readdir(inside) : nullptr)
        entries += entry->d_name[0] != '.';
    ::closedir(inside);
    EXPECT_EQ(entries, 1);
}
