#include "cli/options.h"

#include "cli/printable.h"
#include "engine/entries.h"
#include "engine/exposure.h"
#include "engine/numbers.h"
#include "format/inputnames.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string_view>

namespace cli {
namespace {

// Which options combine: one design's inputs and outputs, or a batch, never both.
enum class Group { Design, Output, Batch, Info };

using Failure = std::optional<std::string>;

struct OptionRow {
    std::string_view name;
    std::string_view value; // what the value is, for the usage; empty for a flag
    Group group;
    std::string_view pairedWith; // the other of two options that exclude each other
    Failure (*apply)(Options&, const std::string& value);
    std::string_view help;
    std::optional<mix::Entry> entry = std::nullopt; // a pour entry or price, read by its table row
};

Failure ok() { return std::nullopt; }

// A pour entry or a price, judged by its one rule; kept as typed, so the design reads it as
// every other way in does. An empty value is a slip here: leaving the option out is how an
// entry keeps its default or a price is not given.
Failure entry(Options& o, mix::Entry which, const std::string& value)
{
    const mix::EntryRow& row = mix::entryRow(which);
    const auto read = mix::readEntry(which, value);
    if (const auto* bad = std::get_if<mix::EntryError>(&read);
        bad && bad->kind == mix::EntryErrorKind::TooLarge && !mix::isPrice(which) && which != mix::Entry::BagKg)
        return std::string(row.option) + " is too large";
    if (value.empty() || std::holds_alternative<mix::EntryError>(read))
        return std::string(row.option) + " " + std::string(row.usage);
    o.entries.pour[static_cast<size_t>(which)] = value;
    return ok();
}

Failure fileName(std::optional<std::string>& target, const std::string& value, std::string_view option)
{
    if (value.empty())
        return std::string(option) + " needs a file name";
    target = value;
    return ok();
}

// A new option is one row here; the usage text and the checks below follow from it.
constexpr std::array<OptionRow, 20> kOptions{{
    {"--strength", "KG_CM2", Group::Design, "",
     [](Options& o, const std::string& v) {
         o.entries.design.strengthText = v;
         return ok();
     },
     "compressive strength wanted, kg/cm2, as typed: digits and one '.'"},
    {"--cube", "", Group::Design, "--cylinder",
     [](Options& o, const std::string&) {
         format::setSpecimen(o.entries.design, "cube");
         return ok();
     },
     "the strength is on cubes"},
    {"--cylinder", "", Group::Design, "--cube",
     [](Options& o, const std::string&) {
         format::setSpecimen(o.entries.design, "cylinder");
         return ok();
     },
     "the strength is on cylinders"},
    {"--slump", "CM", Group::Design, "",
     [](Options& o, const std::string& v) {
         return format::setSlump(o.entries.design, v) ? ok() : Failure("--slump takes 7.5, 10, 10.0 or 12.5");
     },
     "slump class 7.5, 10 (or 10.0) or 12.5, each plus or minus 2.5 cm"},
    {"--stone", "N", Group::Design, "",
     [](Options& o, const std::string& v) {
         return format::setStone(o.entries.design, v) ? ok() : Failure("--stone takes 1 or 2");
     },
     "largest crushed stone, 1 or 2"},
    {"--admixture", "DOSE", Group::Design, "--no-admixture",
     [](Options& o, const std::string& v) {
         format::setAdmixture(o.entries.design, "yes");
         o.entries.design.doseText = v;
         return ok();
     },
     "water-reducing admixture, maker's dose in cc per 100 kg of cement"},
    {"--no-admixture", "", Group::Design, "--admixture",
     [](Options& o, const std::string&) {
         format::setAdmixture(o.entries.design, "no");
         return ok();
     },
     "no admixture"},
    {"--moisture", "PERCENT", Group::Design, "",
     [](Options& o, const std::string& v) {
         o.entries.design.moistureText = v;
         return ok();
     },
     "total moisture of the sand, per cent"},
    {"--exposure", "CLASS", Group::Design, "",
     [](Options& o, const std::string& v) {
         const auto exposure = mix::exposureByCode(v);
         if (!exposure)
             return Failure("--exposure takes one of " + mix::exposureCodeList());
         o.entries.exposure = *exposure;
         return ok();
     },
     "judge the design against the exposure class where the concrete will stand (below)"},
    {"--json", "", Group::Output, "",
     [](Options& o, const std::string&) {
         o.json = true;
         return ok();
     },
     "one JSON object instead of the Thai text (see docs/json.md)"},
    {"--pdf", "FILE", Group::Output, "",
     [](Options& o, const std::string& v) { return fileName(o.pdfFile, v, "--pdf"); },
     "also write the two-sheet report into FILE (A4); with --results, the acceptance sheet"},
    {"--card", "FILE", Group::Output, "",
     [](Options& o, const std::string& v) { return fileName(o.cardFile, v, "--card"); },
     "also write the mixer card into FILE (one landscape A4 page; per bag, or per batch with --pour)"},
    {"--results", "FILE", Group::Output, "",
     [](Options& o, const std::string& v) { return fileName(o.resultsFile, v, "--results"); },
     "judge the strength results of a CSV sheet ('-': standard input) by ACI 318 and EN 206"},
    {"--batch", "FILE", Group::Batch, "",
     [](Options& o, const std::string& v) { return fileName(o.batchFile, v, "--batch"); },
     "design every row of a CSV file ('-': standard input)"},
    {"--format", "jsonl|csv", Group::Batch, "",
     [](Options& o, const std::string& v) {
         if (v != "jsonl" && v != "csv")
             return Failure("--format takes jsonl or csv");
         o.batchFormat = v == "csv" ? BatchFormat::Csv : BatchFormat::Jsonl;
         return ok();
     },
     "batch output: one JSON object per line (default) or CSV"},
    {"--bom", "", Group::Batch, "",
     [](Options& o, const std::string&) {
         o.bom = true;
         return ok();
     },
     "start the CSV output with a UTF-8 byte-order mark, for spreadsheets"},
    {"--version", "", Group::Info, "",
     [](Options& o, const std::string&) {
         o.version = true;
         return ok();
     },
     "print the version"},
    {"--help", "", Group::Info, "",
     [](Options& o, const std::string&) {
         o.help = true;
         return ok();
     },
     "this text"},
    {"-h", "", Group::Info, "",
     [](Options& o, const std::string&) {
         o.help = true;
         return ok();
     },
     ""},
    {"--", "", Group::Info, "", nullptr, "end of the options"},
}};

// A class's limits as --help lists them: "w/c 0.55 at most, cement 280 kg/m3 at least, C30/37".
std::string exposureHelp(const mix::ExposureRule& rule)
{
    std::string help;
    const auto add = [&help](const std::string& part) { help.append(help.empty() ? "" : ", ").append(part); };
    if (rule.maxWc)
        add("w/c " + mix::formatSingle(*rule.maxWc) + " at most");
    if (rule.minCementKg)
        add("cement " + mix::formatInt(*rule.minCementKg) + " kg/m3 at least");
    const std::string cylinder = mix::formatDouble(rule.minCylinderMpa);
    add(rule.minCubeMpa ? "C" + cylinder + "/" + mix::formatDouble(*rule.minCubeMpa)
                        : "f'c " + cylinder + " MPa on cylinders");
    return help;
}

// Every option in usage order: the design's and the outputs', then the pour's entries and
// prices as the entry table has them, then the batch's and the rest.
const std::vector<OptionRow>& allOptions()
{
    static const std::vector<OptionRow> rows = [] {
        const auto batch =
            std::find_if(kOptions.begin(), kOptions.end(), [](const auto& o) { return o.name == "--batch"; });
        std::vector<OptionRow> all(kOptions.begin(), batch);
        for (const auto& e : mix::kEntryTable)
            all.push_back({e.option, e.valueName, Group::Design, "", nullptr, e.help, e.entry});
        all.insert(all.end(), batch, kOptions.end());
        return all;
    }();
    return rows;
}

const OptionRow* find(std::string_view name)
{
    const auto& rows = allOptions();
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const auto& o) { return o.name == name; });
    return it == rows.end() ? nullptr : &*it;
}

// A value in the next argument that looks like one of our options is taken for a forgotten
// value (--strength --cube). Single-dash words such as -platform are values: file names.
bool looksLikeOption(const std::string& arg) { return arg.rfind("--", 0) == 0 || arg == "-h"; }

// Whether two names reach one file, so that the second output would replace the first: the same
// device and inode where the file is there (a symbolic or hard link, a second mount), else the
// same name once made absolute, its links followed and its "." and ".." taken away.
bool sameFile(const std::string& a, const std::string& b)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error))
        return fs::equivalent(a, b, error);
    const auto normalised = [](const fs::path& name) {
        // Absolute first: of a relative name with nothing of it there, "x" and "./x" would differ.
        std::error_code failed;
        const fs::path absolute = fs::absolute(name, failed);
        const fs::path path = fs::weakly_canonical(absolute, failed);
        return failed ? absolute.lexically_normal() : path;
    };
    return normalised(a) == normalised(b);
}

Failure checkCombination(const Options& o, const std::set<std::string_view>& seen)
{
    const auto firstOf = [&](Group g) -> std::string_view {
        for (const auto& row : allOptions())
            if (row.group == g && seen.count(row.name))
                return row.name;
        return "";
    };
    if (o.batchFile) {
        for (Group g : {Group::Design, Group::Output})
            if (const auto other = firstOf(g); !other.empty())
                return "--batch takes every design from its file; " + std::string(other) + " cannot go with it";
    } else if (const auto batchOnly = firstOf(Group::Batch); !batchOnly.empty()) {
        return std::string(batchOnly) + " needs --batch";
    }
    if (o.resultsFile) {
        if (!seen.count("--strength") || !(seen.count("--cube") || seen.count("--cylinder")))
            return std::string("--results needs --strength and --cube or --cylinder");
        if (o.cardFile)
            return std::string("--card cannot go with --results");
    }
    const std::string_view pour = mix::entryRow(mix::Entry::Volume).option;
    if (!seen.count(pour))
        for (const auto& e : mix::kEntryTable)
            if (seen.count(e.option))
                return std::string(e.option) + " needs " + std::string(pour);
    // Standard output holds the PDF alone; the JSON would have nowhere to go.
    for (const auto& [name, file] : {std::pair{"--pdf", &o.pdfFile}, std::pair{"--card", &o.cardFile}})
        if (o.json && *file == "-")
            return std::string(name) + " - sends the PDF to standard output; --json cannot go with it";
    if (o.pdfFile == "-" && o.cardFile == "-")
        return std::string("--pdf - and --card - cannot both go to standard output");
    if (o.pdfFile && o.cardFile && *o.pdfFile != "-" && *o.cardFile != "-" && sameFile(*o.pdfFile, *o.cardFile))
        return std::string("--pdf and --card name the same file; each needs its own");
    if (o.bom && o.batchFormat != BatchFormat::Csv)
        return std::string("--bom needs --format csv");
    return ok();
}

} // namespace

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args)
{
    Options options;
    std::set<std::string_view> seen;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded)
            return UsageError{"unexpected argument '" + printable(arg) + "'"};
        std::string name = arg;
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const OptionRow* row = find(name);
        if (!row)
            return UsageError{arg.size() > 1 && arg[0] == '-' ? "unknown option " + printable(name)
                                                              : "unexpected argument '" + printable(arg) + "'"};
        if (seen.count(row->name))
            return UsageError{name + " given twice"};
        if (!row->pairedWith.empty() && seen.count(row->pairedWith))
            return UsageError{"choose one of " + std::string(row->pairedWith) + " and " + name};
        seen.insert(row->name);
        if (row->value.empty() && value)
            return UsageError{name + " takes no value"};
        if (!row->apply && !row->entry) {
            optionsEnded = true;
            continue;
        }
        if (!row->value.empty() && !value) {
            if (i + 1 >= args.size() || looksLikeOption(args[i + 1]))
                return UsageError{name + " needs a value"};
            value = args[++i];
        }
        const std::string given = value.value_or("");
        if (auto failure = row->entry ? entry(options, *row->entry, given) : row->apply(options, given))
            return UsageError{*failure};
    }
    if (auto failure = checkCombination(options, seen))
        return UsageError{*failure};
    return options;
}

std::string synopsisText()
{
    return "usage: mixdesign --strength KG_CM2 (--cube | --cylinder) --slump CM --stone N\n"
           "                 (--admixture DOSE | --no-admixture) --moisture PERCENT [--exposure CLASS]\n"
           "                 [--json] [--pdf FILE] [--card FILE]\n"
           "                 [--pour M3 [--waste PERCENT] [--bag-kg 50|40] [--basket M3]\n"
           "                  [--pail LITRES] [--bags-per-batch N] [--price-cement BAHT] [--price-sand BAHT]\n"
           "                  [--price-stone BAHT] [--price-admixture BAHT] [--price-readymix BAHT]]\n"
           "       mixdesign --results FILE --strength KG_CM2 (--cube | --cylinder) [--json] [--pdf FILE]\n"
           "       mixdesign --batch FILE [--format jsonl|csv] [--bom]\n"
           "       mixdesign --version | --help\n";
}

std::string usageText()
{
    std::string out = synopsisText() +
                      "\n"
                      "Designs 1 m3 of concrete and prints the final mix and the batch for one 50 kg bag of cement.\n";
    for (const auto& row : allOptions()) {
        if (row.help.empty())
            continue;
        std::string left = "  " + std::string(row.name);
        if (!row.value.empty())
            left.append(" ").append(row.value);
        left.resize(std::max<size_t>(left.size() + 2, 22), ' ');
        out.append(left).append(row.help).append("\n");
    }
    // The classes from the table the check reads, so none is listed that is not judged.
    for (const mix::Standard standard : {mix::Standard::En206, mix::Standard::Aci318}) {
        out += standard == mix::Standard::En206 ? "\nExposure classes, EN 206 Table F.1:\n"
                                                : "Exposure classes, ACI 318-19 Table 19.3.2.1:\n";
        for (const auto& rule : mix::kExposureTable)
            if (rule.standard == standard)
                out.append("  ")
                    .append(rule.code)
                    .append(rule.code.size() == 2 ? "   " : "  ")
                    .append(exposureHelp(rule))
                    .append("\n");
    }
    out += "\n"
           "A missing design option is an empty field, as in the window. Exit status: 0 designed or\n"
           "judged, 2 refused (the reason on stderr, and as JSON with --json) or, with --batch, any\n"
           "row not designed; 64 usage error; 65 batch input that is not CSV with the expected\n"
           "header, or a results sheet that cannot be judged (the line named); 66 an input file\n"
           "that cannot be opened; 69 no font for the Thai of the PDF; 73 a file that cannot be\n"
           "created; 74 a failed read or write. See mixdesign(1).\n";
    return out;
}

} // namespace cli
