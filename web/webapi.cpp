#include "web/webapi.h"

#include "engine/calculate.h"
#include "format/designjson.h"

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
    o.end().end();
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
        .text("title", error.title)
        .end();
    return out;
}

} // namespace

std::string calculateJson(const mix::MixInputs& inputs)
{
    const auto outcome = mix::calculate(inputs);
    if (const auto* result = std::get_if<mix::CalcResult>(&outcome))
        return designJson(*result);
    return errorJson(std::get<mix::CalcError>(outcome));
}

} // namespace web

const char* mixdesign_calculate(const char* strength, int cube, int cylinder, const char* slump, const char* stone,
                                int admixture, int noAdmixture, const char* dose, const char* moisture)
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
    last = web::calculateJson(in);
    return last.c_str();
}
