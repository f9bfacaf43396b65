#include "report/pdf.h"

#include "engine/version.h"
#include "report/page.h"
#include "report/pdffinish.h"
#include "report/render.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace report {

QByteArray reportPdf(std::span<const Sheet> sheets, const QString& title, const QByteArray& link)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(reportPageLayout());
    writer.setCreator(QStringLiteral("mixdesign ") +
                      QString::fromUtf8(mix::kVersion.data(), qsizetype(mix::kVersion.size())));
    writer.setTitle(title);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    const bool drawn = renderSheets(painter, writer, sheets, link);
    if (!painter.end() || !drawn)
        return {};

    std::vector<DrawnPage> pages;
    for (const Sheet& sheet : sheets) {
        const std::vector<QPointF> starts = baselines(&writer, sheet);
        DrawnPage& page = pages.emplace_back();
        for (std::size_t i = 0; i < sheet.size(); ++i)
            page.push_back({sheet[i].text, starts[i]});
    }
    return finishPdf(buffer.data(), pages, sourceDateEpoch());
}

} // namespace report
