#include "report/card.h"

#include "report/font.h"

#include "engine/numbers.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

constexpr int kLeft = 600;
constexpr int kTitleY = 300;
constexpr int kTitleHeight = 800;
constexpr int kFirstRowY = 1250;
constexpr int kRowsHeight = 9000; // shared by the rows, at most kRowHeight each
constexpr int kRowHeight = 2100;
constexpr int kRowPadding = 150;
constexpr int kStepWidth = 800;
constexpr int kPicturesX = 1500;
constexpr int kPicturesWidth = 9500;
constexpr int kPictureGap = 80;
// Beyond this many measures the pictograms would be too small to count: one stands for all,
// and the number beside it says how many.
constexpr int kMostPictures = 20;
constexpr int kNumberX = 11300;
constexpr int kNumberWidth = 2700;
constexpr int kUnitX = 14300;
constexpr int kFootY = 10350;
constexpr int kFootStep = 380;

constexpr int kTitlePoints = 22;
constexpr int kStepPoints = 34;
constexpr int kNumberPoints = 40;
constexpr int kLeastNumberPoints = 16; // still read from the mixer
constexpr int kUnitPoints = 24;
constexpr int kAmountPoints = 15;
constexpr int kFootPoints = 12;
constexpr int kDotsPerMeterAtTwips = 56693; // 1440 dots an inch

// How wide `item`'s text is drawn, in twips: measured on an image whose dots are twips.
double twipsWide(const CardItem& item)
{
    static QImage ruler = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(kDotsPerMeterAtTwips);
        image.setDotsPerMeterY(kDotsPerMeterAtTwips);
        return image;
    }();
    const QFontMetricsF metrics(cardFont(item.points, item.bold, &ruler), &ruler);
    return std::max(metrics.horizontalAdvance(item.text), metrics.boundingRect(item.text).right());
}

// A figure too wide for its box is drawn smaller, down to a size still read from the mixer; one
// longer still is cut short with an ellipsis, never run over its unit or off the page.
CardItem fitted(CardItem item, int least)
{
    while (item.points > least && twipsWide(item) > item.w)
        --item.points;
    if (twipsWide(item) > item.w) {
        CardItem dot = item;
        dot.text = QStringLiteral("\u2026");
        while (!item.text.isEmpty() && twipsWide(item) + twipsWide(dot) > item.w)
            item.text.chop(1);
        item.text += dot.text;
    }
    return item;
}

CardItem text(int x, int y, int w, int h, int points, bool bold, const std::string& s)
{
    CardItem item;
    item.kind = CardItemKind::Text;
    item.x = x;
    item.y = y;
    item.w = w;
    item.h = h;
    item.points = points;
    item.bold = bold;
    item.text = QString::fromStdString(s);
    return item;
}

void addPictures(Card& card, const mix::CardRow& row, int y, int height)
{
    const double measures = std::max(0.0, row.measures);
    const double whole = std::floor(measures);
    // Two decimals, as the texts print the measure: 4.2 - 4 is 0.2, not 0.2000000000000002.
    const double fraction = mix::roundHalfEven(measures - whole, 2);
    // Counted as a double: a pail of a billionth of a litre is more pictures than an int holds.
    const double pictures = whole + (fraction > 0 ? 1 : 0);
    CardItem p;
    p.kind = CardItemKind::Picture;
    p.x = kPicturesX;
    p.material = row.material;
    if (pictures > kMostPictures) {
        p.y = y;
        p.w = p.h = height;
        card.items.push_back(p);
        const int x = p.x + height + 2 * kPictureGap;
        card.items.push_back(
            fitted(text(x, y, kPicturesX + kPicturesWidth - x, height, kNumberPoints, true, "\u00d7 " + row.number),
                   kLeastNumberPoints));
        return;
    }
    const int count = int(pictures);
    if (count == 0)
        return;
    const int size = std::min(height, kPicturesWidth / count - kPictureGap);
    for (int i = 0; i < count; ++i) {
        p.x = kPicturesX + i * (size + kPictureGap);
        p.y = y + (height - size) / 2;
        p.w = size;
        p.h = size;
        p.fill = (i == count - 1 && fraction > 0) ? fraction : 1.0;
        card.items.push_back(p);
    }
}

} // namespace

Card mixerCard(const mix::Design& design, const QString& date)
{
    const mix::MixerCardText t = mix::mixerCardText(design, date.toStdString());
    Card card;
    card.title = QString::fromStdString(t.title);
    card.items.push_back(text(kLeft, kTitleY, kCardWidth - 2 * kLeft, kTitleHeight, kTitlePoints, true, t.title));

    const int rows = int(t.rows.size());
    const int rowHeight = std::min(kRowHeight, kRowsHeight / std::max(rows, 1));
    const int inner = rowHeight - 2 * kRowPadding;
    for (int i = 0; i < rows; ++i) {
        const mix::CardRow& row = t.rows[size_t(i)];
        const int y = kFirstRowY + i * rowHeight;
        CardItem rule;
        rule.kind = CardItemKind::Rule;
        rule.x = kLeft;
        rule.y = y;
        rule.w = kCardWidth - 2 * kLeft;
        card.items.push_back(rule);

        const int top = y + kRowPadding;
        card.items.push_back(text(kLeft, top, kStepWidth, inner, kStepPoints, true, std::to_string(i + 1)));
        addPictures(card, row, top, inner);
        const int upper = inner * 3 / 5;
        card.items.push_back(
            fitted(text(kNumberX, top, kNumberWidth, upper, kNumberPoints, true, row.number), kLeastNumberPoints));
        card.items.push_back(text(kUnitX, top, kCardWidth - kLeft - kUnitX, upper, kUnitPoints, true, row.unit));
        std::string below = row.name;
        if (!row.amount.empty())
            below += "  " + row.amount;
        card.items.push_back(
            text(kNumberX, top + upper, kCardWidth - kLeft - kNumberX, inner - upper, kAmountPoints, false, below));
    }
    CardItem closing;
    closing.kind = CardItemKind::Rule;
    closing.x = kLeft;
    closing.y = kFirstRowY + rows * rowHeight;
    closing.w = kCardWidth - 2 * kLeft;
    card.items.push_back(closing);

    for (size_t i = 0; i < t.foot.size(); ++i)
        card.items.push_back(
            text(kLeft, kFootY + int(i) * kFootStep, kCardWidth - 2 * kLeft, kFootStep, kFootPoints, false, t.foot[i]));
    return card;
}

QFont cardFont(int points, bool bold, QPaintDevice* device)
{
    // A looped Thai face at a large size: the shapes a reader of few words knows from school.
    QFont font(reportFont(bold), device);
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Umpush")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

bool fontCoversCard(const Card& card)
{
    QString text;
    for (const CardItem& item : card.items)
        text += item.text;
    return reportFontCovers(text);
}

} // namespace report
