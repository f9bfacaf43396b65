#pragma once

#include <string>

namespace report {

// A ToUnicode map of Qt's, mended: Qt reads each glyph's character back from the face's cmap,
// and the Thai faces reach their lowered and shifted marks through private-use code points and
// share the space glyph with the tab. Those code points become the Thai marks they draw and the
// tab becomes a space; glyph numbers and everything else stay as they were.
std::string mendedToUnicode(const std::string& cmap);

// A line's text as a PDF text string: UTF-16BE with its byte-order mark, in hex.
std::string pdfHexText(const std::u16string& text);

} // namespace report
