#include "report/reportpdf.h"

#include "report/reportlayout.h"
#include "report/reportpage.h"
#include "report/reportrender.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace report {

bool writeReportPdf(QIODevice* device, const CaptionLookup& caption, float mcement)
{
    QPdfWriter writer(device);
    writer.setPageLayout(reportPageLayout());
    writer.setCreator(QStringLiteral("mixdesign"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    render(painter, sheet1Lines(caption));
    if (!writer.newPage())
        return false;
    render(painter, sheet2Lines(caption, mcement));
    return painter.end();
}

bool writeReportPdf(const QString& file, const CaptionLookup& caption, float mcement)
{
    // Written aside and renamed at the end, so a failure never leaves half a report behind
    // nor spoils the file it was meant to replace.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!writeReportPdf(&out, caption, mcement)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace report
