#include "engine/texts/resulttexts.h"

#include "engine/mixdesign.h"
#include "engine/numbers.h"
#include "engine/proportioning.h"
#include "engine/siterounding.h"
#include "engine/texts/captionwords.h"
#include "engine/texts/resultwords.h"

namespace mix {

void ResultTexts::set(std::string_view control, std::initializer_list<std::string_view> parts)
{
    const size_t offset = m_buffer.size();
    size_t total = 0;
    for (auto part : parts)
        total += part.size();
    if (offset + total > m_buffer.capacity()) {
        // A part may be a view of this very buffer (a label copying another): join
        // before the buffer moves.
        std::string joined;
        joined.reserve(total);
        for (auto part : parts)
            joined.append(part);
        m_buffer.append(joined);
    } else {
        for (auto part : parts)
            m_buffer.append(part);
    }
    m_entries.push_back({control, offset, m_buffer.size() - offset});
}

std::string_view ResultTexts::at(std::string_view control) const
{
    for (const auto& e : m_entries)
        if (e.control == control)
            return std::string_view(m_buffer).substr(e.offset, e.length);
    return {};
}

std::vector<ResultTexts::Item> ResultTexts::items() const
{
    std::vector<Item> out;
    out.reserve(m_entries.size());
    for (const auto& e : m_entries)
        out.emplace_back(e.control, std::string_view(m_buffer).substr(e.offset, e.length));
    return out;
}

namespace {

using namespace resultwords;

std::string num(long long x) { return formatInt(x); }
std::string dbl(double x) { return formatDouble(x); }

void finalMixTexts(ResultTexts& t, const FinalMix& f)
{
    t.set("Label15(0)", {num(f.cement)});
    t.set("Label17(0)", {num(f.sand)});
    t.set("Label16(0)", {num(f.water)});
    t.set("Label18(0)", {num(f.stone)});
    t.set("Label19(0)", {num(f.admixture)});
}

void perBagTexts(ResultTexts& t, const PerBag& b)
{
    t.set("Label34(0)", {kOneBag});
    t.set("Label35(0)", {dbl(b.water), kUnitLitre, kAbout, dbl(b.pails), kPail});
    t.set("Label36(0)", {dbl(b.sand), kUnitCubicMetre, kAbout, dbl(b.sandBaskets), kBasket});
    t.set("Label37(0)", {dbl(b.stone), kUnitCubicMetre, kAbout, dbl(b.stoneBaskets), kBasket});
    t.set("Label38(0)", {dbl(b.admixture), kUnitCc});
    t.set("Text6", {kYieldPrefix, dbl(b.yield), kUnitCubicMetre, kBasketNote});
}

void requirementTexts(ResultTexts& t, const MixInputs& in, const MixDesign& d)
{
    t.set("Label7", {in.strengthText, kUnitKgPerCm2});
    t.set("Label5(2)", {num(d.F), kUnitKgPerCm2});
    t.set("Label12", {in.slumpItem, kUnitCm});
    t.set("Label79", {in.stoneItem});
    t.set("Label80", {in.admixtureChecked ? captionOf("Check3") : captionOf("Check4")});
}

void ssdTexts(ResultTexts& t, const MixInputs& in, const MixDesign& d)
{
    t.set("Label77", {t.at("Label80"), kEquals});
    t.set("Label9", {num(d.W), kUnitLitrePerM3});
    t.set("Label14", {formatSingle(d.WA)});
    t.set("Label16(1)", {num(d.Weight), kUnitKg});
    t.set("Label18(1)", {num(d.VOLUM), kUnitLitre});
    t.set("Label20(1)", {in.stoneItem});
    t.set("Label22(1)", {num(d.P), kUnitLitre});
    t.set("Label24(1)", {num(d.SAND), kUnitLitre});
    t.set("Label26(1)", {num(d.WSAND), kUnitKg});
    t.set("Label28", {num(d.VGRAVEL), kUnitLitre});
    t.set("Label30(1)", {num(d.WGRAVEL), kUnitKg});
    t.set("Label32(1)", {num(d.VYA), kUnitCc});

    t.set("Label38(1)", {num(d.Weight), kUnitKilogram});
    t.set("Label39(1)", {num(d.W), kUnitLitre});
    t.set("Label40", {num(d.WSAND), kUnitKilogram});
    t.set("Label41", {num(d.WGRAVEL), kUnitKilogram});
    t.set("Label42", {num(d.VYA), kUnitCc});

    t.set("Label47", {num(siteValue(d.Weight, d.V1, 10))});
    t.set("Label46", {num(d.W)});
    t.set("Label45", {num(siteValue(d.WSAND, d.V2, 10))});
    t.set("Label44", {num(siteValue(d.WGRAVEL, d.V3, 10))});
    t.set("Label43", {num(siteValue(d.VYA, d.V4, 100))});
}

void adjustedTexts(ResultTexts& t, const MixInputs& in, const DesignNumbers& n)
{
    // The final-mix frame of the details page repeats the data-entry labels word for word.
    const char* const copies[][2] = {{"Label72", "Label15(0)"},
                                     {"Label73", "Label16(0)"},
                                     {"Label74", "Label17(0)"},
                                     {"Label75", "Label18(0)"},
                                     {"Label76", "Label19(0)"}};
    for (const auto& c : copies)
        t.set(c[0], {t.at(c[1])});

    t.set("Label61", {in.moistureText, kPercent});
    t.set("Label62", {kSandAbsorption});
    t.set("Label63", {dbl(n.freeMoisture), kPercent});
    t.set("Label57", {num(n.roundedSand)});
    t.set("Label64", {dbl(n.excessWater), kUnitKilogram});
    t.set("Label65", {formatSingle(n.design.V5), kUnitKilogram});
    t.set("Label66", {formatSingle(n.design.V8), kUnitLitre});
}

} // namespace

// Which specimen the strength is on, and for a cylinder the conversion the production strength
// hides: 240 + 60 is not 348, 240 / 0.833 + 60 is. Written after the window's own texts, and
// for a cube the sum stays empty, since the caption before it already says it.
void specimenTexts(ResultTexts& t, const MixInputs& in, const MixDesign& d)
{
    t.set("specimenNote", {kSpecimen, in.cubeChecked ? captionOf("Check1") : captionOf("Check2")});
    if (in.cylinderChecked)
        t.set("marginSum", {"  (", in.strengthText, kCylinderToCube, num(d.F), ")"});
    else
        t.set("marginSum", {});
}

ResultTexts makeResultTexts(const MixInputs& inputs, const DesignNumbers& numbers)
{
    ResultTexts t;
    t.reserve(64, 3072);
    finalMixTexts(t, numbers.final);
    perBagTexts(t, numbers.perBag);
    requirementTexts(t, inputs, numbers.design);
    ssdTexts(t, inputs, numbers.design);
    adjustedTexts(t, inputs, numbers);
    specimenTexts(t, inputs, numbers.design);
    return t;
}

} // namespace mix
