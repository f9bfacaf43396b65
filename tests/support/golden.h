#pragma once

#include <QString>
#include <QStringList>

// Expected texts kept as files under tests/golden, written from the design's own texts and
// reviewed by hand: never produced by the code they check.
namespace golden {

// The file's lines, UTF-8, without line ends; a failed read fails the calling test.
QStringList lines(const QString& relativePath);

// Lines "NAME<TAB>TEXT" as pairs; the text keeps every blank.
QList<std::pair<QString, QString>> table(const QString& relativePath);

// The fields of the line of a tab-separated golden file whose first field is `name`; a missing
// line fails the calling test.
QStringList row(const QString& relativePath, const QString& name);

// A message box of the window by its name in window/messageboxes.tsv: its title and text.
std::pair<QString, QString> box(const QString& name);

} // namespace golden
