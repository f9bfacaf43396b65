#include "report/pdf.h"

#include "report/page.h"
#include "report/render.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace report {

bool writeReportPdf(QIODevice* device, std::span<const Sheet> sheets, const QByteArray& link)
{
    QPdfWriter writer(device);
    writer.setPageLayout(reportPageLayout());
    writer.setCreator(QStringLiteral("mixdesign"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const bool drawn = renderSheets(painter, writer, sheets, link);
    return painter.end() && drawn;
}

QByteArray reportPdf(std::span<const Sheet> sheets, const QByteArray& link)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeReportPdf(&buffer, sheets, link))
        return {};
    return buffer.data();
}

} // namespace report
