#include "web/webapi.h"

#include "engine/calculate.h"
#include "format/designjson.h"
#include "format/sheetlines.h"
#include "web/webpour.h"

#include <optional>

namespace web {
namespace {

std::string designJson(const mix::CalcResult& result)
{
    std::string out;
    format::JsonWriter o(out);
    o.begin().begin("design");
    format::appendSteps(o, result.numbers.design);
    const mix::FinalMix& f = result.numbers.final;
    o.end().begin("final").number("cement", f.cement).number("water", f.water).number("sand", f.sand);
    o.number("stone", f.stone).number("admixture", f.admixture).end().begin("texts");
    for (const auto& [control, text] : result.texts.items())
        o.text(control, text);
    o.end().raw("volume", volumePartsJson(result.numbers.design));
    return out;
}

std::string errorJson(const mix::CalcError& error)
{
    std::string out;
    format::JsonWriter(out)
        .begin()
        .text("error", mix::errorKindName(error.kind))
        .text("focus", error.focus)
        .text("message", error.message)
        .text("title", error.title);
    return out;
}

// The first text the design reads that is too long to be a number anyone typed. Over-long
// texts are refused before the engine sees them, but only once the input is complete, so the
// user meets the refusals in the window's order.
std::optional<mix::Field> overLongField(mix::MixInputs& probe)
{
    std::optional<mix::Field> first;
    const auto cut = [&first](std::string& text, mix::Field field) {
        if (text.size() <= kMaxFieldBytes)
            return;
        text = "0";
        if (!first)
            first = field;
    };
    cut(probe.strengthText, mix::Field::Strength);
    if (probe.admixtureChecked)
        cut(probe.doseText, mix::Field::Dose);
    else
        probe.doseText.clear();
    cut(probe.moistureText, mix::Field::Moisture);
    return first;
}

std::variant<mix::CalcResult, mix::CalcError> calculateBounded(const mix::MixInputs& inputs)
{
    mix::MixInputs probe = inputs;
    const auto overLong = overLongField(probe);
    if (!overLong)
        return mix::calculate(inputs);
    auto outcome = mix::calculate(probe);
    if (const auto* error = std::get_if<mix::CalcError>(&outcome);
        error && (error->kind == mix::ErrorKind::Incomplete || error->kind == mix::ErrorKind::DoseMissing))
        return *error;
    return mix::overflowError(*overLong);
}

// The report's sheets, each a list of lines at their places in twips, for the page's print.
std::string sheetsJson(const mix::CalcResult& result, const mix::PourPlan* plan)
{
    std::string out = "\"sheets\":[";
    bool firstSheet = true;
    for (const auto& sheet : format::reportSheets(result, plan)) {
        out += firstSheet ? "[" : ",[";
        firstSheet = false;
        bool firstLine = true;
        for (const auto& line : sheet) {
            if (!firstLine)
                out += ',';
            firstLine = false;
            format::JsonWriter(out)
                .begin()
                .text("text", line.text)
                .number("x", line.x)
                .number("y", line.y)
                .raw("bold", line.bold ? "true" : "false")
                .end();
        }
        out += ']';
    }
    return out + ']';
}

} // namespace

std::string calculateJson(const mix::MixInputs& inputs, const mix::PourEntries& pour)
{
    const auto outcome = calculateBounded(inputs);
    const auto* result = std::get_if<mix::CalcResult>(&outcome);
    std::string out = result ? designJson(*result) : errorJson(std::get<mix::CalcError>(outcome));
    const auto plan = appendPourJson(out, result ? &result->numbers.final : nullptr, pour);
    if (result)
        out += "," + sheetsJson(*result, plan ? &*plan : nullptr);
    return out + '}';
}

} // namespace web

const char* mixdesign_calculate(const char* strength, int cube, int cylinder, const char* slump, const char* stone,
                                int admixture, int noAdmixture, const char* dose, const char* moisture,
                                const char* volume, const char* waste, const char* bagKg, const char* basket,
                                const char* pail, const char* bagsPerBatch)
{
    // One buffer for the page's single thread; the caller copies the text out at once.
    static std::string last;
    mix::MixInputs in;
    in.strengthText = strength;
    in.cubeChecked = cube != 0;
    in.cylinderChecked = cylinder != 0;
    in.slumpItem = slump;
    in.stoneItem = stone;
    in.admixtureChecked = admixture != 0;
    in.noAdmixtureChecked = noAdmixture != 0;
    in.doseText = dose;
    in.moistureText = moisture;
    last = web::calculateJson(in, {volume, waste, bagKg, basket, pail, bagsPerBatch});
    return last.c_str();
}
