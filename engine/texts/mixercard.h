#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mix {

struct Design;

enum class CardMaterial { Cement, Sand, Stone, Water, Admixture };

// One material of the mixer card: how many measures go in (4.2 baskets is four full and a
// fifth), the number as the per-bag or per-batch text prints it, its measure and its amount.
struct CardRow {
    CardMaterial material = CardMaterial::Cement;
    std::string name;    // "หิน"
    double measures = 0; // pictograms to draw; admixture is one dose whatever its size
    std::string number;  // "5.8"
    std::string unit;    // "บุ้งกี๋"
    std::string amount;  // "0.11  ลบ.ม."
};

// What the card for the crew at the mixer says: one batch, in the order it goes into the
// drum, and at the foot the design, the measures assumed and the date.
struct MixerCardText {
    std::string title;
    std::vector<CardRow> rows;
    std::vector<std::string> foot;
};

// The per-bag batch of an accepted design, or with a plan one mixer batch of the pour in the
// site's own bag, basket and pail. `date` is printed as given.
MixerCardText mixerCardText(const Design& design, std::string_view date);

} // namespace mix
