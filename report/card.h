#pragma once

#include "engine/texts/mixercard.h"

#include <QFont>
#include <QString>

#include <vector>

namespace mix {
struct Design;
}

class QPaintDevice;

namespace report {

enum class CardItemKind { Text, Picture, Rule };

// One thing drawn on the mixer card, its box in twips from the top-left of the page. A text
// is drawn at `points` in its box, centred on the box's height, and fits its width; a picture
// is the pictogram of `material` filled from the bottom up to the level `fill` (above it a
// faint ghost of the full measure); a rule is a line along the box's top.
struct CardItem {
    CardItemKind kind = CardItemKind::Text;
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int points = 0;
    bool bold = false;
    QString text;
    mix::CardMaterial material = mix::CardMaterial::Cement;
    double fill = 1;

    bool operator==(const CardItem&) const = default;
};

// The card as data, one landscape A4 page: what the drawing, the preview and the tests share.
struct Card {
    QString title; // the PDF's title: the card's heading
    std::vector<CardItem> items;
};

// Landscape A4 in twips.
inline constexpr int kCardWidth = 16838;
inline constexpr int kCardHeight = 11906;

// The mixer card of one batch (see mix::mixerCardText), laid out for the page.
Card mixerCard(const mix::Design& design, const QString& date);

// The card's looped Thai face at `points`, for drawing on `device` or measuring on it.
QFont cardFont(int points, bool bold, QPaintDevice* device);

// Whether the report's face draws every letter of the card's words (see reportFontCovers).
bool fontCoversCard(const Card& card);

} // namespace report
