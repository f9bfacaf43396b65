#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace reporttest {

// A line of text as poppler finds it in a PDF: its words' box in points, top-left origin.
struct PdfLine {
    QString text; // the words joined by one blank
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

// A line as a PDF gives it back: every character as drawn, only a run of blanks counting as
// one, as readers find words and not the blanks between them.
QString comparable(const QString& text);

// Every page of `file` drawn by pdftoppm as a grey image, in page order; empty on failure.
std::vector<QByteArray> pageImages(const QString& file);

// One field of `pdfinfo file` ("Title", "CreationDate"), empty when it has none.
QString pdfInfo(const QString& file, const QString& field);

bool pdfToolAvailable();

} // namespace reporttest
