#include "cli/options.h"

#include "engine/picklists.h"

#include <functional>
#include <map>

namespace cli {
namespace {

struct Parser {
    Options options;
    bool specimenGiven = false;
    bool admixtureGiven = false;

    std::optional<UsageError> specimen(bool cube)
    {
        if (specimenGiven)
            return UsageError{"choose one of --cube and --cylinder"};
        specimenGiven = true;
        (cube ? options.inputs.cubeChecked : options.inputs.cylinderChecked) = true;
        return std::nullopt;
    }

    std::optional<UsageError> admixture(bool with, const std::string& dose)
    {
        if (admixtureGiven)
            return UsageError{"choose one of --admixture and --no-admixture"};
        admixtureGiven = true;
        (with ? options.inputs.admixtureChecked : options.inputs.noAdmixtureChecked) = true;
        options.inputs.doseText = dose;
        return std::nullopt;
    }
};

std::optional<UsageError> pick(const std::string& value, const std::vector<std::string>& names, const auto& items,
                               std::string& target, const char* option)
{
    for (size_t i = 0; i < names.size(); ++i) {
        if (value == names[i]) {
            target = std::string(items[i]);
            return std::nullopt;
        }
    }
    std::string allowed;
    for (const auto& n : names)
        allowed += (allowed.empty() ? "" : "|") + n;
    return UsageError{std::string(option) + " takes " + allowed};
}

} // namespace

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args)
{
    Parser p;
    auto& in = p.options.inputs;
    using Handler = std::function<std::optional<UsageError>(const std::string&)>;
    const std::map<std::string, Handler> withValue{
        {"--strength",
         [&](const std::string& v) {
             in.strengthText = v;
             return std::optional<UsageError>{};
         }},
        {"--moisture",
         [&](const std::string& v) {
             in.moistureText = v;
             return std::optional<UsageError>{};
         }},
        {"--slump",
         [&](const std::string& v) {
             return pick(v, {"7.5", "10.0", "12.5"}, mix::slumpItems(), in.slumpItem, "--slump");
         }},
        {"--stone",
         [&](const std::string& v) {
             return pick(v, {"1", "2"}, mix::stoneItems(), in.stoneItem, "--stone");
         }},
        {"--admixture", [&](const std::string& v) { return p.admixture(true, v); }},
        {"--pdf",
         [&](const std::string& v) {
             if (v.empty())
                 return std::optional<UsageError>{UsageError{"--pdf needs a file name"}};
             p.options.pdfFile = v;
             return std::optional<UsageError>{};
         }},
    };
    const std::map<std::string, std::function<std::optional<UsageError>()>> flags{
        {"--cube", [&] { return p.specimen(true); }},
        {"--cylinder", [&] { return p.specimen(false); }},
        {"--no-admixture", [&] { return p.admixture(false, ""); }},
        {"--json",
         [&] {
             p.options.json = true;
             return std::optional<UsageError>{};
         }},
        {"--help",
         [&] {
             p.options.help = true;
             return std::optional<UsageError>{};
         }},
        {"-h",
         [&] {
             p.options.help = true;
             return std::optional<UsageError>{};
         }},
    };

    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (auto f = flags.find(name); f != flags.end()) {
            if (value)
                return UsageError{name + " takes no value"};
            if (auto err = f->second())
                return *err;
            continue;
        }
        auto h = withValue.find(name);
        if (h == withValue.end())
            return UsageError{"unknown option " + name};
        if (!value) {
            if (i + 1 >= args.size())
                return UsageError{name + " needs a value"};
            value = args[++i];
        }
        if (auto err = h->second(*value))
            return *err;
    }
    return p.options;
}

std::string usageText()
{
    return "usage: mixdesign --strength KG_CM2 (--cube | --cylinder) --slump 7.5|10.0|12.5 --stone 1|2\n"
           "                 (--admixture DOSE | --no-admixture) --moisture PERCENT [--json] [--pdf FILE]\n"
           "\n"
           "Designs 1 m3 of concrete and prints the final mix and the batch for one 50 kg bag of cement.\n"
           "  --strength KG_CM2   compressive strength wanted, kg/cm2 (as typed: digits and one '.')\n"
           "  --cube, --cylinder  the specimen the strength refers to\n"
           "  --slump CM          slump class 7.5, 10.0 or 12.5 (each plus or minus 2.5 cm)\n"
           "  --stone N           largest stone: 1 or 2\n"
           "  --admixture DOSE    water-reducing admixture, maker's dose in cc per 100 kg of cement\n"
           "  --no-admixture      no admixture\n"
           "  --moisture PERCENT  total moisture of the sand, per cent\n"
           "  --json              one JSON object with every stored value and every result text\n"
           "  --pdf FILE          write the two-sheet report into FILE (A4, one page per sheet)\n"
           "  --help              this text\n"
           "\n"
           "A missing option is an empty field, as in the window. Exit status: 0 designed, 2 refused\n"
           "(the reason on stderr, or as JSON with --json), 64 usage error.\n";
}

} // namespace cli
