#pragma once

#include <QFont>

namespace report {

// The face and size every line of the report is drawn in, bold or not.
QFont reportFont(bool bold);

// Whether the face reportFont() resolves to, plain and bold, has a glyph for every Thai letter
// of `text`. A machine without a Thai face would otherwise draw black bars or a dingbat face
// and call the report written.
bool reportFontCovers(const QString& text);

// What to tell the user when it does not, in Thai, naming the package that brings the faces.
QString missingThaiFontMessage();

} // namespace report
