#include "format/csvrows.h"

#include "format/inputnames.h"
#include "format/numbertext.h"
#include "format/utf8.h"

namespace format {
namespace {

// A cell a spreadsheet would take for a formula (=, +, -, @, or one of them after a TAB or a CR)
// is written as text: a leading apostrophe, the whole quoted. What the user typed comes back
// this way in the echoed inputs and in the messages; the program's own numbers never start so.
bool looksLikeFormula(std::string_view field)
{
    if (field.empty() || std::string_view("=+-@\t\r").find(field.front()) == std::string_view::npos)
        return false;
    // A negative number (a cost difference, say) is a number to the spreadsheet, never a formula.
    const std::string_view rest = field.substr(1);
    return field.front() != '-' || rest.empty() || rest.find_first_not_of("0123456789.") != std::string_view::npos;
}

// The output is marked UTF-8: a byte that is not (a file saved on Thai Windows, code page 874)
// and a NUL, which cuts a cell short in many readers, become U+FFFD, as they do in the JSON.
std::string_view validUtf8(std::string_view text, std::string& replaced)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    size_t kept = 0;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = bytes[i];
        const size_t n = c >= 0x80 ? utf8Length(bytes + i, text.size() - i) : c != 0;
        if (n > 0) {
            i += n;
            continue;
        }
        replaced.append(text.substr(kept, i - kept)).append("\xEF\xBF\xBD");
        kept = ++i;
    }
    if (kept == 0)
        return text;
    return replaced.append(text.substr(kept));
}

// The fields of a row, without its line end.
void csvFields(std::string& out, std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (auto f : fields) {
        if (!first)
            out += ',';
        first = false;
        appendCsvField(out, f);
    }
}

// What a planned pour adds at the end of a row: what to order and how many batches.
void pourFields(std::string& out, const mix::PourPlan* p)
{
    std::string numbers[6];
    if (p) {
        const double values[6] = {p->cementBags, p->sandOrderM3, p->stoneOrderM3, p->water, p->admixture, p->batches};
        for (int i = 0; i < 6; ++i)
            numbers[i] = numberText(values[i]);
    }
    out += ',';
    csvFields(out, {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]});
}

// What the pour costs at the row's prices, in baht: a part without its price stays empty.
void costFields(std::string& out, const mix::PourCost* f)
{
    std::string numbers[8];
    if (f) {
        const std::optional<double>* values[8] = {&f->cement, &f->sand,  &f->stone,    &f->admixture,
                                                  &f->total,  &f->perM3, &f->readymix, &f->difference};
        for (int i = 0; i < 8; ++i)
            if (*values[i])
                numbers[i] = numberText(**values[i]);
    }
    out += ',';
    csvFields(out, {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6], numbers[7]});
}

// The verdict on the row's exposure class: whether it meets it, the checks it fails joined by
// "+", and the least strength that meets it; all empty without a class or a design.
void durabilityFields(std::string& out, const mix::Durability* d)
{
    std::string meets, fails, least;
    if (d) {
        meets = d->meets() ? "yes" : "no";
        for (const mix::DurabilityCheck check : d->fails)
            fails.append(fails.empty() ? "" : "+").append(mix::checkName(check));
        if (d->leastStrength)
            least = numberText(*d->leastStrength);
    }
    out += ',';
    csvFields(out, {meets, fails, least});
}

// The inputs as the JSON echoes them, then the results, then the pour's columns when the input
// has them; one column list for every kind of row.
void csvLine(std::string& out, const mix::MixInputs* in, const mix::DesignNumbers* n, std::string_view error,
             std::string_view message, bool pourColumns = false, const mix::PourPlan* plan = nullptr,
             bool costColumns = false, const mix::PourCost* cost = nullptr, bool durabilityColumns = false,
             const mix::Durability* durability = nullptr)
{
    std::string numbers[13];
    if (n) {
        const auto& f = n->final;
        const auto& b = n->perBag;
        const double values[13] = {
            double(f.cement), double(f.water), double(f.sand), double(f.stone), double(f.admixture), b.water, b.pails,
            b.sand,           b.sandBaskets,   b.stone,        b.stoneBaskets,  b.admixture,         b.yield};
        for (int i = 0; i < 13; ++i)
            numbers[i] = numberText(values[i]);
    }
    const mix::MixInputs none;
    const mix::MixInputs& i = in ? *in : none;
    csvFields(out, {i.strengthText, specimenName(i), slumpName(i), stoneName(i), admixtureName(i), i.doseText,
                    i.moistureText, numbers[0],      numbers[1],   numbers[2],   numbers[3],       numbers[4],
                    numbers[5],     numbers[6],      numbers[7],   numbers[8],   numbers[9],       numbers[10],
                    numbers[11],    numbers[12],     error,        message});
    if (pourColumns)
        pourFields(out, plan);
    if (costColumns)
        costFields(out, cost);
    if (durabilityColumns)
        durabilityFields(out, durability);
    out += "\r\n";
}

} // namespace

void appendCsvField(std::string& out, std::string_view field)
{
    std::string replaced;
    field = validUtf8(field, replaced);
    const bool formula = looksLikeFormula(field);
    if (!formula && field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(field);
        return;
    }
    out += '"';
    if (formula)
        out += '\'';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvHeader(std::string& out, bool bom, bool pourColumns, bool costColumns, bool durabilityColumns)
{
    if (bom)
        out += "\xEF\xBB\xBF";
    out += "strength,specimen,slump,stone,admixture,dose,moisture,"
           "final_cement,final_water,final_sand,final_stone,final_admixture,"
           "water_l,water_pails,sand_m3,sand_baskets,stone_m3,stone_baskets,admixture_cc,concrete_m3,"
           "error,message";
    if (pourColumns)
        out += ",cement_bags,sand_order_m3,stone_order_m3,pour_water_l,pour_admixture_l,batches";
    if (costColumns)
        out += ",cost_cement,cost_sand,cost_stone,cost_admixture,cost_total,cost_per_m3,cost_readymix,cost_difference";
    if (durabilityColumns)
        out += ",durability_meets,durability_fails,least_strength";
    out += "\r\n";
}

void appendCsvDesign(std::string& out, const mix::Design& design, bool pourColumns, bool costColumns,
                     bool durabilityColumns)
{
    csvLine(out, &design.inputs(), &design.result->numbers, "", "", pourColumns, design.pour(), costColumns,
            design.cost ? &*design.cost : nullptr, durabilityColumns,
            design.durability ? &*design.durability : nullptr);
}

void appendCsvRefusal(std::string& out, const mix::MixInputs& inputs, const mix::CalcError& error, bool pourColumns,
                      bool costColumns, bool durabilityColumns)
{
    csvLine(out, &inputs, nullptr, mix::errorKindName(error.kind), error.message, pourColumns, nullptr, costColumns,
            nullptr, durabilityColumns);
}

void appendCsvMalformed(std::string& out, std::string_view message, bool pourColumns, bool costColumns,
                        bool durabilityColumns)
{
    csvLine(out, nullptr, nullptr, "malformed_row", message, pourColumns, nullptr, costColumns, nullptr,
            durabilityColumns);
}

} // namespace format
