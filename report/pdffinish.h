#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace report {

// One drawn line as the PDF writer drew it: its text and where its first glyph went, in the
// device units of the page's content (origin top-left).
struct DrawnLine {
    QString text;
    QPointF baseline;
};
using DrawnPage = std::vector<DrawnLine>;

// What a PDF reader needs beyond the pictures, added to a PDF Qt wrote: each drawn line's
// exact text as /ActualText around its glyphs, ToUnicode maps that name the Thai marks and
// the space, fonts named with their subset tag, an /ID made from the content and, when `date`
// is given (seconds since 1970), that date in place of the clock's, so the same sheets give
// the same bytes. When the PDF does not have the shape Qt 6 gives it (one text
// object per run of a line, in drawing order) it comes back unchanged: its pictures are
// right and only its text stays as Qt left it.
QByteArray finishPdf(const QByteArray& qtPdf, const std::vector<DrawnPage>& pages, std::optional<qint64> date);

// The seconds of SOURCE_DATE_EPOCH, when it is set to a whole number.
std::optional<qint64> sourceDateEpoch();

} // namespace report
