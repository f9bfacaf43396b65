#include "report/cardrender.h"

#include "report/font.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <memory>

namespace report {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;
constexpr qreal kGhostOpacity = 0.18;
constexpr qreal kRulePoints = 1.0;

QString pictogramFile(mix::CardMaterial m)
{
    switch (m) {
    case mix::CardMaterial::Cement:
        return QStringLiteral(":/card/cement-bag.svg");
    case mix::CardMaterial::Sand:
        return QStringLiteral(":/card/sand-basket.svg");
    case mix::CardMaterial::Stone:
        return QStringLiteral(":/card/stone-basket.svg");
    case mix::CardMaterial::Water:
        return QStringLiteral(":/card/water-pail.svg");
    case mix::CardMaterial::Admixture:
        return QStringLiteral(":/card/admixture-bottle.svg");
    }
    return {};
}

// A card draws five pictures dozens of times: each is parsed once per drawing.
class Pictograms {
public:
    QSvgRenderer& of(mix::CardMaterial m)
    {
        auto& slot = m_renderers[size_t(m)];
        if (!slot)
            slot = std::make_unique<QSvgRenderer>(pictogramFile(m));
        return *slot;
    }

private:
    std::array<std::unique_ptr<QSvgRenderer>, 5> m_renderers;
};

QFont cardFont(int points, bool bold, QPaintDevice* device)
{
    // A looped Thai face at a large size: the shapes a reader of few words knows from school.
    QFont font(reportFont(bold), device);
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Umpush")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void drawPicture(QPainter& painter, Pictograms& pictures, const CardItem& item, const QRectF& box)
{
    QSvgRenderer& svg = pictures.of(item.material);
    if (item.fill >= 1) {
        svg.render(&painter, box);
        return;
    }
    // The part of a measure: the whole measure as a ghost, the part in full from the left,
    // and a cut where the part ends, so "a fifth of a basket" reads as such.
    painter.save();
    painter.setOpacity(kGhostOpacity);
    svg.render(&painter, box);
    painter.setOpacity(1);
    const QRectF part(box.left(), box.top(), box.width() * item.fill, box.height());
    painter.setClipRect(part);
    svg.render(&painter, box);
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, box.width() / 40, Qt::DashLine));
    painter.drawLine(QPointF(part.right(), box.top()), QPointF(part.right(), box.bottom()));
    painter.restore();
}

} // namespace

void renderCard(QPainter& painter, const Card& card)
{
    QPaintDevice* device = painter.device();
    const qreal perTwipX = device->logicalDpiX() / kTwipsPerInch;
    const qreal perTwipY = device->logicalDpiY() / kTwipsPerInch;
    const qreal scale =
        std::min({1.0, device->width() / (kCardWidth * perTwipX), device->height() / (kCardHeight * perTwipY)});
    Pictograms pictures;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (const CardItem& item : card.items) {
        const QRectF box(item.x * perTwipX, item.y * perTwipY, item.w * perTwipX, item.h * perTwipY);
        switch (item.kind) {
        case CardItemKind::Text:
            painter.setPen(Qt::black);
            painter.setFont(cardFont(item.points, item.bold, device));
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, item.text);
            break;
        case CardItemKind::Picture:
            drawPicture(painter, pictures, item, box);
            break;
        case CardItemKind::Rule:
            painter.setPen(QPen(Qt::gray, kRulePoints * device->logicalDpiY() / 72.0));
            painter.drawLine(box.topLeft(), box.topRight());
            break;
        }
    }
    painter.restore();
}

QPageLayout cardPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

QByteArray cardPdf(const Card& card)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(cardPageLayout());
    writer.setCreator(QStringLiteral("mixdesign"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    renderCard(painter, card);
    if (!painter.end())
        return {};
    return buffer.data();
}

} // namespace report
