#include "report/pdf.h"

#include "engine/version.h"
#include "report/page.h"
#include "report/pdffinish.h"
#include "report/render.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace report {

bool writeReportPdf(QIODevice* device, std::span<const Sheet> sheets, const QString& title, const QByteArray& link)
{
    const QByteArray pdf = reportPdf(sheets, title, link);
    return !pdf.isEmpty() && device->write(pdf) == pdf.size();
}

QByteArray reportPdf(std::span<const Sheet> sheets, const QString& title, const QByteArray& link)
{
    return finishedPdf(reportPageLayout(), title,
                       [&](QPainter& painter, QPdfWriter& writer) -> std::optional<std::vector<DrawnPage>> {
                           if (!renderSheets(painter, writer, sheets, link))
                               return std::nullopt;
                           std::vector<DrawnPage> pages;
                           for (const Sheet& sheet : sheets) {
                               const std::vector<QPointF> starts = baselines(&writer, sheet);
                               DrawnPage& page = pages.emplace_back();
                               for (std::size_t i = 0; i < sheet.size(); ++i)
                                   page.push_back({sheet[i].text, starts[i]});
                           }
                           return pages;
                       });
}

QByteArray finishedPdf(const QPageLayout& layout, const QString& title, const PdfDrawing& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setCreator(QStringLiteral("mixdesign ") +
                      QString::fromUtf8(mix::kVersion.data(), qsizetype(mix::kVersion.size())));
    writer.setTitle(title);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    const std::optional<std::vector<DrawnPage>> pages = draw(painter, writer);
    if (!painter.end() || !pages)
        return {};
    return finishPdf(buffer.data(), *pages, sourceDateEpoch());
}

} // namespace report
