#include "web/webapi.h"

#include "engine/design.h"
#include "format/designjson.h"
#include "format/designlink.h"
#include "format/durabilitychart.h"
#include "format/sheetlines.h"
#include "web/entryrecord.h"
#include "web/webpour.h"

namespace web {
namespace {

void appendResult(format::JsonWriter& o, const mix::CalcResult& result)
{
    o.begin("design");
    format::appendSteps(o, result.numbers.design);
    const mix::FinalMix& f = result.numbers.final;
    o.end().begin("final").number("cement", f.cement).number("water", f.water).number("sand", f.sand);
    o.number("stone", f.stone).number("admixture", f.admixture).end().begin("texts");
    for (const auto& [control, text] : result.texts.items())
        o.text(control, text);
    o.end().raw("volume", volumePartsJson(result.numbers.design));
}

void appendRefusal(format::JsonWriter& o, const mix::CalcError& error)
{
    o.text("error", mix::errorKindName(error.kind))
        .text("focus", error.focus)
        .text("message", error.message)
        .text("title", error.title);
}

// The verdict as the engine words it and its chart, beside the "durability" the command writes.
void appendDurability(format::JsonWriter& o, const mix::Design& design)
{
    format::appendDurability(o, *design.durability);
    const mix::DurabilityText& t = design.durabilityText;
    o.begin("durabilityText").text("exposure", t.exposure).text("verdict", t.verdict).text("least", t.least).end();
    o.text("durabilityChart", format::durabilityChartSvg(design));
}

} // namespace

std::string sheetsJson(const std::vector<format::SheetLines>& sheets)
{
    std::string out = "[";
    for (const auto& sheet : sheets) {
        out += out.size() > 1 ? ",[" : "[";
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

std::string designJson(std::string_view recordJson)
{
    const EntryRecord record = readEntryRecord(recordJson);
    const mix::Design design = mix::designOf(record.entries);
    std::string out;
    format::JsonWriter o(out);
    o.begin();
    if (design.result) {
        appendResult(o, *design.result);
        if (design.durability)
            appendDurability(o, design);
    } else
        appendRefusal(o, *design.refusal);
    appendPourMembers(o, design);
    appendCostText(o, design);
    appendCard(o, design, record.date);
    o.text("link", format::designLink(record.address, design));
    if (design.result) {
        o.raw("sheets", sheetsJson(format::reportSheets(design)));
        const format::SheetSquare& qr = format::kSheet1QrCode;
        o.begin("qr").number("x", qr.x).number("y", qr.y).number("size", qr.size).end();
    }
    o.end();
    return out;
}

} // namespace web

const char* mixdesign_design(const char* record)
{
    // One buffer for the page's single thread; the caller copies the text out at once.
    static std::string last;
    last = web::designJson(record);
    return last.c_str();
}

const char* mixdesign_captions()
{
    static const std::string captions = web::captionsJson();
    return captions.c_str();
}
