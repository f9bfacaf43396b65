#pragma once

#include <QString>

#include <vector>

namespace reporttest {

// A line of text as poppler finds it in a PDF: its words' box in points, top-left origin.
struct PdfLine {
    QString text; // the words joined without blanks
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
};

struct PdfPage {
    double width = 0;           // points
    double height = 0;          // points
    std::vector<PdfLine> lines; // top to bottom
};

// Runs `pdftotext -bbox` on `file` and groups the words of every page into lines. Empty
// when the tool is missing or the file is not a PDF it can read.
std::vector<PdfPage> readPdf(const QString& file);

// Thai text compared with what a PDF gives back: Qt's PDF loses some tone marks on the way
// out, splits sara am into its two parts and names the face's lowered tone marks by private
// code points, so marks, private code points, blanks and the split are all set aside.
QString comparable(const QString& text);

bool pdfToolAvailable();

} // namespace reporttest
