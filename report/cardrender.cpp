#include "report/cardrender.h"

#include <QColor>
#include <QFile>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <memory>

namespace report {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;
constexpr qreal kGhostInk = 0.18; // of each colour's darkness left in the pale copy
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

// The pictogram drawn pale, for the empty part of a measure: every colour of its drawing mixed
// toward white. A copy in lighter colours rather than a lower opacity, since PDF/A-1 allows
// no transparency.
QByteArray paled(QByteArray svg)
{
    static const QRegularExpression colour(QStringLiteral("#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})\\b"));
    const QString text = QString::fromUtf8(svg);
    QString out;
    qsizetype copied = 0;
    for (auto it = colour.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QColor c(m.captured(0));
        const auto pale = [](int v) { return qRound(255 - (255 - v) * kGhostInk); };
        out += text.mid(copied, m.capturedStart() - copied) +
               QColor(pale(c.red()), pale(c.green()), pale(c.blue())).name();
        copied = m.capturedEnd();
    }
    out += text.mid(copied);
    return out.toUtf8();
}

// A card draws five pictures dozens of times: each is parsed once per drawing.
class Pictograms {
public:
    QSvgRenderer& of(mix::CardMaterial m) { return find(m_renderers, m, false); }
    QSvgRenderer& ghostOf(mix::CardMaterial m) { return find(m_ghosts, m, true); }

private:
    using Renderers = std::array<std::unique_ptr<QSvgRenderer>, 5>;

    static QSvgRenderer& find(Renderers& renderers, mix::CardMaterial m, bool pale)
    {
        auto& slot = renderers[size_t(m)];
        if (!slot) {
            QFile file(pictogramFile(m));
            file.open(QIODevice::ReadOnly);
            const QByteArray svg = file.readAll();
            slot = std::make_unique<QSvgRenderer>(pale ? paled(svg) : svg);
        }
        return *slot;
    }

    Renderers m_renderers;
    Renderers m_ghosts;
};

// Where the measure itself lies in each pictogram's height of 100, top and bottom: a part
// measure fills up between them, so half a pail is half its water and not half its handle.
struct Contents {
    qreal top = 0;
    qreal bottom = 100;
};

Contents contentsOf(mix::CardMaterial m)
{
    switch (m) {
    case mix::CardMaterial::Cement:
        return {6, 94};
    case mix::CardMaterial::Sand:
        return {24, 86};
    case mix::CardMaterial::Stone:
        return {10, 86};
    case mix::CardMaterial::Water:
        return {34, 92};
    case mix::CardMaterial::Admixture:
        return {4, 94};
    }
    return {};
}

void drawPicture(QPainter& painter, Pictograms& pictures, const CardItem& item, const QRectF& box)
{
    QSvgRenderer& svg = pictures.of(item.material);
    if (item.fill >= 1) {
        svg.render(&painter, box);
        return;
    }
    // The part of a measure as a fill level: the whole measure as a ghost, the part in full
    // from the bottom up, and a line where it ends, so "nine tenths of a pail" looks it.
    const Contents contents = contentsOf(item.material);
    const qreal level =
        box.top() + box.height() * (contents.bottom - (contents.bottom - contents.top) * item.fill) / 100;
    painter.save();
    pictures.ghostOf(item.material).render(&painter, box);
    painter.setClipRect(QRectF(box.left(), level, box.width(), box.bottom() - level));
    svg.render(&painter, box);
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, box.width() / 40, Qt::DashLine));
    painter.drawLine(QPointF(box.left(), level), QPointF(box.right(), level));
    painter.restore();
}

qreal perTwipX(QPaintDevice* device) { return device->logicalDpiX() / kTwipsPerInch; }
qreal perTwipY(QPaintDevice* device) { return device->logicalDpiY() / kTwipsPerInch; }

qreal scaleFor(QPaintDevice* device)
{
    return std::min(
        {1.0, device->width() / (kCardWidth * perTwipX(device)), device->height() / (kCardHeight * perTwipY(device))});
}

// Where a text's first glyph goes, before scaling: at the left of its box, the line centred
// on the box's height.
QPointF baseline(QPaintDevice* device, const CardItem& item, const QFont& font)
{
    const QFontMetricsF metrics(font, device);
    const qreal top =
        item.y * perTwipY(device) + (item.h * perTwipY(device) - metrics.ascent() - metrics.descent()) / 2;
    return {item.x * perTwipX(device), top + metrics.ascent()};
}

} // namespace

void renderCard(QPainter& painter, const Card& card)
{
    QPaintDevice* device = painter.device();
    Pictograms pictures;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = scaleFor(device);
    painter.scale(scale, scale);
    for (const CardItem& item : card.items) {
        const QRectF box(item.x * perTwipX(device), item.y * perTwipY(device), item.w * perTwipX(device),
                         item.h * perTwipY(device));
        switch (item.kind) {
        case CardItemKind::Text: {
            const QFont font = cardFont(item.points, item.bold, device);
            painter.setPen(Qt::black);
            painter.setFont(font);
            painter.drawText(baseline(device, item, font), item.text);
            break;
        }
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

// Each text of the card and where renderCard starts it on `device`: in the painter's units
// before the card is scaled to the page, since Qt's PDF writes the scaling as the page's
// transform and each glyph's place beneath it. A4 in Qt's whole points is a little short of
// the card's, so the PDF is always scaled a hair.
DrawnPage cardDrawnLines(QPaintDevice* device, const Card& card)
{
    DrawnPage lines;
    for (const CardItem& item : card.items)
        if (item.kind == CardItemKind::Text)
            lines.push_back({item.text, baseline(device, item, cardFont(item.points, item.bold, device))});
    return lines;
}

} // namespace report
