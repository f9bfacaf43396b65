#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace output {

enum class WriteStatus { Written, CannotCreate, IoError };

struct WriteResult {
    WriteStatus status = WriteStatus::Written;
    QString reason; // the system's own words (strerror, QFileDevice::errorString); empty when written

    bool ok() const { return status == WriteStatus::Written; }
};

// Writes a whole document, already rendered into memory, to `target`: the name exactly as the
// user gave it (bytes, not necessarily UTF-8), or "-" for standard output.
// A regular file, or one not there yet, is replaced atomically: the old file stays as it was
// unless the new one reached the disk whole; an existing file keeps its permissions.
// Anything else already there (a FIFO, a terminal, /dev/stdout) is written straight into,
// never renamed over.
WriteResult writeFile(const QByteArray& target, const QByteArray& document);
WriteResult writeFile(const QString& target, const QByteArray& document); // QFile::encodeName

// Writes `document` into a device open for writing, every write checked; a short or failed
// write is an I/O error with the device's errorString.
WriteResult writeAll(QIODevice& device, const QByteArray& document);

} // namespace output
