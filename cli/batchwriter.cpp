#include "cli/batchwriter.h"

#include "cli/inputnames.h"
#include "cli/json.h"
#include "cli/jsonwriter.h"

namespace cli {
namespace {

void csvField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(field);
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void csvRow(std::string& out, std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (auto f : fields) {
        if (!first)
            out += ',';
        first = false;
        csvField(out, f);
    }
    out += "\r\n";
}

// The inputs as the JSON echoes them, then the results; one column list for every kind of row.
void csvLine(std::string& out, const mix::MixInputs* in, const mix::DesignNumbers* n, std::string_view error,
             std::string_view message)
{
    std::string numbers[13];
    if (n) {
        const auto& f = n->final;
        const auto& b = n->perBag;
        const double values[13] = {
            double(f.cement), double(f.water), double(f.sand), double(f.stone), double(f.admixture), b.water, b.pails,
            b.sand,           b.sandBaskets,   b.stone,        b.stoneBaskets,  b.admixture,         b.yield};
        for (int i = 0; i < 13; ++i)
            numbers[i] = jsonNumber(values[i]);
    }
    const mix::MixInputs none;
    const mix::MixInputs& i = in ? *in : none;
    csvRow(out, {i.strengthText, specimenName(i), slumpName(i), stoneName(i), admixtureName(i), i.doseText,
                 i.moistureText, numbers[0],      numbers[1],   numbers[2],   numbers[3],       numbers[4],
                 numbers[5],     numbers[6],      numbers[7],   numbers[8],   numbers[9],       numbers[10],
                 numbers[11],    numbers[12],     error,        message});
}

} // namespace

void BatchWriter::begin(std::string& out) const
{
    if (m_format != BatchFormat::Csv)
        return;
    if (m_bom)
        out += "\xEF\xBB\xBF";
    out += "strength,specimen,slump,stone,admixture,dose,moisture,"
           "final_cement,final_water,final_sand,final_stone,final_admixture,"
           "water_l,water_pails,sand_m3,sand_baskets,stone_m3,stone_baskets,admixture_cc,concrete_m3,"
           "error,message\r\n";
}

void BatchWriter::designed(std::string& out, const mix::MixInputs& inputs, const mix::CalcResult& result) const
{
    if (m_format == BatchFormat::Jsonl)
        appendJsonDesign(out, inputs, result);
    else
        csvLine(out, &inputs, &result.numbers, "", "");
}

void BatchWriter::designed(std::string& out, const mix::MixInputs& inputs, const mix::DesignNumbers& numbers) const
{
    csvLine(out, &inputs, &numbers, "", "");
}

void BatchWriter::refused(std::string& out, const mix::MixInputs& inputs, const mix::CalcError& error) const
{
    if (m_format == BatchFormat::Jsonl)
        out += jsonRefusal(error);
    else
        csvLine(out, &inputs, nullptr, mix::errorKindName(error.kind), error.message);
}

void BatchWriter::malformed(std::string& out, long line, std::string_view message) const
{
    if (m_format == BatchFormat::Jsonl)
        out += jsonMalformedRow(line, message);
    else
        csvLine(out, nullptr, nullptr, "malformed_row", message);
}

} // namespace cli
