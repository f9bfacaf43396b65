#include "web/webapi.h"

#include "engine/entries.h"
#include "engine/picklists.h"
#include "engine/texts/captionwords.h"
#include "engine/texts/choicewords.h"
#include "engine/texts/costwords.h"
#include "engine/texts/criteriawords.h"
#include "engine/texts/durabilitytexts.h"
#include "engine/texts/exposurewords.h"
#include "engine/texts/pourwords.h"
#include "engine/texts/resultwords.h"
#include "engine/texts/summarywords.h"
#include "format/jsonwriter.h"

#include <utility>

namespace web {

std::string captionsJson()
{
    std::string out;
    format::JsonWriter o(out);
    o.begin();
    // The window's captions by their controls' names, which the page's elements share.
    for (const auto& caption : mix::fixedCaptions())
        o.text(caption.control, caption.text);
    using namespace mix::summarywords;
    const std::pair<std::string_view, std::string_view> summary[] = {{"final.cement", kFinalCement},
                                                                     {"final.water", kFinalWater},
                                                                     {"final.sand", kFinalSand},
                                                                     {"final.stone", kFinalStone},
                                                                     {"final.admixture", kFinalAdmixture},
                                                                     {"bag.cement", kBagCement},
                                                                     {"bag.water", kBagWater},
                                                                     {"bag.sand", kBagSand},
                                                                     {"bag.stone", kBagStone},
                                                                     {"bag.admixture", kBagAdmixture}};
    for (const auto& [key, text] : summary)
        o.text(key, text);
    using namespace mix::pourwords;
    const std::pair<std::string_view, std::string_view> pour[] = {{"pour.sheetTitle", kSheetTitle},
                                                                  {"pour.total", kTotalHeader},
                                                                  {"pour.order", kOrderHeader},
                                                                  {"pour.perBatch", kPerBatchHeader},
                                                                  {"pour.cement", kCement},
                                                                  {"pour.water", kWater},
                                                                  {"pour.sand", kSand},
                                                                  {"pour.stone", kStone},
                                                                  {"pour.admixture", kAdmixture},
                                                                  {"pour.batches", kBatchesRow},
                                                                  {"pour.oneCubicMetre", kOneCubicMetre}};
    for (const auto& [key, text] : pour)
        o.text(key, text);
    // "ประมาณ" before the baskets and pails, as the sheets and the per-bag batch have it.
    o.text("pour.about", mix::resultwords::kAbout);
    using namespace mix::costtext;
    const std::pair<std::string_view, std::string_view> cost[] = {
        {"cost.heading", kHeading},   {"cost.total", kTotal},           {"cost.perM3", kPerM3},
        {"cost.readymix", kReadyMix}, {"cost.notCounted", kNotCounted}, {"cost.unit", kUnitBaht}};
    for (const auto& [key, text] : cost)
        o.text(key, text);
    // The entries' prompts and what an empty one stands for, by the link's keys.
    for (const auto& row : mix::kEntryTable) {
        o.text("entry." + std::string(row.key), row.prompt);
        o.text("default." + std::string(row.key), row.defaultText);
    }
    for (std::size_t i = 0; i < mix::slumpItems().size(); ++i)
        o.text("slump." + std::to_string(i), mix::slumpItems()[i]);
    for (std::size_t i = 0; i < mix::stoneItems().size(); ++i)
        o.text("stone." + std::to_string(i), mix::stoneItems()[i]);
    o.text("stoneSize.1", mix::choicewords::kStone1Size);
    o.text("stoneSize.2", mix::choicewords::kStone2Size);
    o.text("criteria", mix::criteriawords::criteriaText());
    // The exposure classes in the table's order, which the page's choice list keeps.
    o.text("exposure.prompt", mix::exposurewords::kExposurePrompt);
    o.text("exposure.none", mix::exposureChoiceText(mix::Exposure::None));
    for (const mix::ExposureRule& rule : mix::kExposureTable)
        o.text("exposure." + std::string(rule.code), mix::exposureChoiceText(rule.exposure));
    o.end();
    return out;
}

} // namespace web
