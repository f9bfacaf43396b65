#include "cli/batchpour.h"

#include "cli/printable.h"

namespace cli {

namespace {

constexpr mix::PourField kFields[] = {mix::PourField::Volume, mix::PourField::Waste, mix::PourField::BagKg,
                                      mix::PourField::Basket, mix::PourField::Pail,  mix::PourField::BagsPerBatch};

} // namespace

bool isBagSize(std::string_view text)
{
    const auto value = mix::readPourField(mix::PourField::BagKg, text);
    return std::holds_alternative<double>(value) && (std::get<double>(value) == 50 || std::get<double>(value) == 40);
}

std::variant<std::optional<mix::PourSettings>, std::string> pourOf(const std::vector<std::string>& row,
                                                                   const PourColumnPlaces& at)
{
    const auto text = [&](size_t c) -> std::string_view { return at[c] ? std::string_view(row[*at[c]]) : ""; };
    if (text(0).empty())
        return std::nullopt;
    mix::PourSettings s;
    double* targets[] = {&s.volume, &s.wastePercent, &s.bagKg, &s.basketM3, &s.pailLitres, nullptr};
    for (size_t c = 0; c < kPourColumns.size(); ++c) {
        if (text(c).empty())
            continue;
        if (kFields[c] == mix::PourField::BagKg && !isBagSize(text(c)))
            return "bag_kg must be 50 or 40, not '" + printable(text(c)) + "'";
        const auto value = mix::readPourField(kFields[c], text(c));
        if (const auto* bad = std::get_if<mix::PourFieldError>(&value))
            return std::string(kPourColumns[c]) + ": " + bad->message;
        if (targets[c])
            *targets[c] = std::get<double>(value);
        else
            s.bagsPerBatch = static_cast<int>(std::get<double>(value));
    }
    return s;
}

std::variant<mix::PourPrices, std::string> pricesOf(const std::vector<std::string>& row, const PriceColumnPlaces& at)
{
    mix::PourPrices p;
    std::optional<double>* targets[] = {&p.cement, &p.sand, &p.stone, &p.admixture, &p.readymix};
    for (size_t c = 0; c < kPriceColumns.size(); ++c) {
        if (!at[c])
            continue;
        const auto value = mix::readPrice(mix::PriceField(c), row[*at[c]]);
        if (const auto* bad = std::get_if<mix::PriceFieldError>(&value))
            return std::string(kPriceColumns[c]) + ": " + bad->message;
        *targets[c] = std::get<std::optional<double>>(value);
    }
    return p;
}

} // namespace cli
