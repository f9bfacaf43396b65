#pragma once

#include "engine/mixdesign.h"
#include "engine/pourplan.h"
#include "engine/texts/resulttexts.h"

#include <string>
#include <string_view>
#include <vector>

namespace mix {

// The planner's figures as shown, keyed by the name of the label that shows them
// ("cementBags", "sandOrder", "waterPerBatchPails", ...). Without admixture the
// "admixtureTotal" line says it is not used and "admixturePerBatch" is empty.
ResultTexts pourPlanTexts(const PourPlan& plan);
// The figures of one batch alone ("cementPerBatch", ...), which need no volume.
ResultTexts pourBatchTexts(const PourBatch& batch, bool admixtureUsed);

// The material order in lines of text, for the third sheet and the command's text: the
// planner's entries, the order for the whole pour, and one mixer batch.
struct PourOrderText {
    std::string title;
    std::vector<std::string> entries; // "prompt = value"
    std::string totalsHeading;
    std::vector<std::string> totals;
    std::string batchHeading;
    std::vector<std::string> batch;
};
// `figures` are the plan's texts (pourPlanTexts), worded once per design.
PourOrderText pourOrderText(const PourPlan& plan, const ResultTexts& figures);

enum class Material { Cement, Water, Sand, Stone, Air };

// One part of a cubic metre of concrete by absolute volume, labelled in Thai.
struct VolumePart {
    Material material = Material::Cement;
    std::string_view name;
    int litres = 0;
    std::string litresText; // "99  ลิตร"
};

// Cement, water, sand and stone as the design proportioned them, then air when the
// four leave any of the 1000 litres over.
std::vector<VolumePart> volumeParts(const MixDesign& design);

} // namespace mix
