#include "web/webapi.h"

#include "engine/calculate.h"
#include "engine/decimalconv.h"

#include <cstdio>

namespace web {
namespace {

void appendString(std::string& out, std::string_view s)
{
    out += '"';
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

void appendKey(std::string& out, std::string_view key)
{
    if (out.back() != '{')
        out += ',';
    appendString(out, key);
    out += ':';
}

void appendNumber(std::string& out, std::string_view key, int v)
{
    appendKey(out, key);
    out += std::to_string(v);
}

void appendNumber(std::string& out, std::string_view key, float v)
{
    appendKey(out, key);
    out += mix::formatShortest(v);
}

void appendText(std::string& out, std::string_view key, std::string_view v)
{
    appendKey(out, key);
    appendString(out, v);
}

std::string designJson(const mix::CalcResult& result)
{
    const mix::MixDesign& d = result.numbers.design;
    std::string out = "{\"design\":{";
    appendNumber(out, "F", d.F);
    appendNumber(out, "W", d.W);
    appendNumber(out, "P", d.P);
    appendNumber(out, "mcement", d.mcement);
    appendNumber(out, "Weight", d.Weight);
    appendNumber(out, "VOLUM", d.VOLUM);
    appendNumber(out, "WA", d.WA);
    for (const auto& [name, v] : {std::pair{"V1", d.V1}, {"V2", d.V2}, {"V3", d.V3}, {"V4", d.V4}, {"V5", d.V5}})
        appendNumber(out, name, v);
    appendNumber(out, "V6", d.V6);
    appendNumber(out, "V7", d.V7);
    appendNumber(out, "V8", d.V8);
    appendNumber(out, "V9", d.V9);
    appendNumber(out, "V10", d.V10);
    appendNumber(out, "SAND", d.SAND);
    appendNumber(out, "WSAND", d.WSAND);
    appendNumber(out, "VGRAVEL", d.VGRAVEL);
    appendNumber(out, "WGRAVEL", d.WGRAVEL);
    appendNumber(out, "M", d.M);
    appendNumber(out, "VYA", d.VYA);

    const mix::FinalMix& f = result.numbers.final;
    out += "},\"final\":{";
    appendNumber(out, "cement", f.cement);
    appendNumber(out, "water", f.water);
    appendNumber(out, "sand", f.sand);
    appendNumber(out, "stone", f.stone);
    appendNumber(out, "admixture", f.admixture);
    out += "},\"texts\":{";
    for (const auto& [control, text] : result.texts.items())
        appendText(out, control, text);
    return out + "}}";
}

std::string errorJson(const mix::CalcError& error)
{
    std::string out = "{";
    appendText(out, "error", mix::errorKindName(error.kind));
    appendText(out, "focus", error.focus);
    appendText(out, "message", error.message);
    appendText(out, "title", error.title);
    return out + "}";
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
