#include "report/pdf.h"

#include "engine/version.h"
#include "report/page.h"
#include "report/pdffinish.h"
#include "report/render.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace report {

QByteArray reportPdf(std::span<const format::SheetLines> sheets, const QString& title, const QByteArray& link,
                     const SheetFigure* figure)
{
    return finishedPdf(reportPageLayout(), title,
                       [&](QPainter& painter, QPdfWriter& writer) -> std::optional<std::vector<DrawnPage>> {
                           if (!renderSheets(painter, writer, sheets, link, figure))
                               return std::nullopt;
                           std::vector<DrawnPage> pages;
                           for (const format::SheetLines& sheet : sheets) {
                               const std::vector<QPointF> starts = baselines(&writer, sheet);
                               DrawnPage& page = pages.emplace_back();
                               for (std::size_t i = 0; i < sheet.size(); ++i)
                                   page.push_back({lineText(sheet[i]), starts[i]});
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
