#include "cli/batch.h"
#include "cli/options.h"
#include "cli/printable.h"
#include "engine/design.h"
#include "format/designjson.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace cli;
using namespace format;

namespace {

std::variant<Options, UsageError> parse(const std::vector<std::string>& args) { return parseOptions(args); }

} // namespace

TEST(Options, MapOntoTheWindowsControls)
{
    const auto o = std::get<Options>(parse({"--strength", "240", "--cube", "--slump", "7.5", "--stone=2", "--admixture",
                                            "250", "--moisture", "5", "--json", "--pdf", "out.pdf"}));
    const auto& in = o.entries.design;
    EXPECT_EQ(in.strengthText, "240");
    EXPECT_TRUE(in.cubeChecked && !in.cylinderChecked && in.admixtureChecked && !in.noAdmixtureChecked);
    EXPECT_EQ(in.slumpItem, " 7.5 (บวก,ลบ)2.5  "); // trailing blanks and all
    EXPECT_EQ(in.stoneItem, " หิน2");
    EXPECT_EQ(in.doseText, "250");
    EXPECT_EQ(in.moistureText, "5");
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.pdfFile, "out.pdf");

    // A spreadsheet's 10 and the list's 10.0 are the same item; an empty value is an empty field.
    EXPECT_EQ(std::get<Options>(parse({"--slump", "10"})).entries.design.slumpItem, " 10.0 (บวก,ลบ) 2.5");
    EXPECT_EQ(std::get<Options>(parse({"--slump=10.0"})).entries.design.slumpItem, " 10.0 (บวก,ลบ) 2.5");
    const auto empty = std::get<Options>(parse({"--strength=", "--admixture=", "--"})).entries.design;
    EXPECT_TRUE(empty.strengthText.empty() && empty.doseText.empty() && empty.admixtureChecked);

    EXPECT_EQ(std::get<Options>(parse({"--pdf", "-platform"})).pdfFile, "-platform");
    EXPECT_EQ(std::get<Options>(parse({"--strength", "-5"})).entries.design.strengthText, "-5");

    const auto batch = std::get<Options>(parse({"--batch", "-", "--format", "csv", "--bom"}));
    EXPECT_EQ(batch.batchFile, "-");
    EXPECT_TRUE(batch.batchFormat == BatchFormat::Csv && batch.bom);
}

TEST(Options, UsageErrorsNameTheOption)
{
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--slump", "11"}, "--slump takes 7.5, 10, 10.0 or 12.5"},
        {{"--stone", "3"}, "--stone takes 1 or 2"},
        {{"--cube", "--cylinder"}, "choose one of --cube and --cylinder"},
        {{"--no-admixture", "--admixture", "250"}, "choose one of --no-admixture and --admixture"},
        {{"--cube", "--cube"}, "--cube given twice"},
        {{"--strength", "240", "--strength=250"}, "--strength given twice"},
        {{"--strength"}, "--strength needs a value"},
        {{"--strength", "--cube"}, "--strength needs a value"},
        {{"--pdf", "-h"}, "--pdf needs a value"},
        {{"-x"}, "unknown option -x"},
        {{"--json=yes"}, "--json takes no value"},
        {{"--colour", "red"}, "unknown option --colour"},
        {{"240"}, "unexpected argument '240'"},
        {{"--", "--json"}, "unexpected argument '--json'"},
        {{"--pdf="}, "--pdf needs a file name"},
        {{"--batch", "in.csv", "--strength", "240"},
         "--batch takes every design from its file; --strength cannot go with it"},
        {{"--batch", "in.csv", "--json"}, "--batch takes every design from its file; --json cannot go with it"},
        {{"--format", "csv"}, "--format needs --batch"},
        {{"--batch", "in.csv", "--format", "xml"}, "--format takes jsonl or csv"},
        {{"--batch", "in.csv", "--bom"}, "--bom needs --format csv"},
        {{"--pdf", "-", "--json"}, "--pdf - sends the PDF to standard output; --json cannot go with it"},
        {{"--json", "--card", "-"}, "--card - sends the PDF to standard output; --json cannot go with it"},
        // An argument is quoted as the terminal may show it, its control characters escaped.
        {{"\x1b]0;owned\x07"}, "unexpected argument '\\x1b]0;owned\\x07'"},
        {{"--\x1b[2J"}, "unknown option --\\x1b[2J"},
        {{"--pour", std::string(309, '9')}, "--pour is too large"},
        {{"--pour", "10", "--basket", "1" + std::string(400, '0')}, "--basket is too large"},
    };
    for (const auto& [args, message] : rows) {
        const auto r = parse(args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(r)) << args[0];
        EXPECT_EQ(std::get<UsageError>(r).message, message);
    }
}

TEST(Json, StringsAreEscapedAndAlwaysValidUtf8)
{
    const auto member = [](std::string_view value) {
        std::string out;
        JsonWriter(out).begin().text("k", value).end();
        return out;
    };
    EXPECT_EQ(member("a \"q\"\\\n\t\x01 ก"), "{\"k\":\"a \\\"q\\\"\\\\\\n\\t\\u0001 ก\"}");
    // A Latin-1 byte, a cut-off Thai letter and an overlong slash each become U+FFFD.
    EXPECT_EQ(member("\xE9|\xE0\xB8|\xC0\xAF"),
              "{\"k\":\"\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD\"}");
}

// A spreadsheet shows 2e+06 as 2.00E+06: the shortest digits that read back, never an exponent.
TEST(Json, NumbersAreShortestDigitsWithoutExponent)
{
    const std::tuple<double, Precision, std::string> rows[] = {
        {0.61f, Precision::Single, "0.61"},
        {0.61f, Precision::Double, "0.6100000143051147"},
        {1.0 / 0.0, Precision::Double, "null"},
        {2e6, Precision::Double, "2000000"},
        {1e5, Precision::Double, "100000"},
        {1e15, Precision::Double, "1000000000000000"},
        {6.2e13, Precision::Double, "62000000000000"},
        {-1.25e21, Precision::Double, "-1250000000000000000000"},
        {1e-7, Precision::Double, "0.0000001"},
        {-4.5e-6, Precision::Double, "-0.0000045"},
        {1e-7f, Precision::Single, "0.0000001"},
        {1.5e10f, Precision::Single, "15000000000"},
        {1234.5, Precision::Double, "1234.5"},
    };
    for (const auto& [value, precision, text] : rows)
        EXPECT_EQ(numberText(value, precision), text);
}

// Input quoted in a message reaches a terminal: nothing in it may move the cursor, recolour or
// retitle it, and bytes that are not UTF-8 show as what they are.
TEST(Printable, EscapesWhatATerminalWouldObey)
{
    const std::pair<std::string, std::string> rows[] = {
        {"cube ซีเมนต์", "cube ซีเมนต์"},
        {"\x1b[31mred\x1b[0m", "\\x1b[31mred\\x1b[0m"},
        {"a\tb\r\n\x7f", "a\\x09b\\x0d\\x0a\\x7f"},
        {std::string("nul\0", 4), "nul\\x00"},
        {"\xc2\x9b"
         "2J",
         "\\xc2\\x9b"
         "2J"},                     // the one-byte CSI of C1, in UTF-8
        {"\xa1\xe9", "\\xa1\\xe9"}, // ก on Thai Windows (874), é in Latin-1
    };
    for (const auto& [input, shown] : rows)
        EXPECT_EQ(printable(input), shown);
}

#ifndef _WIN32
// Two outputs on one file would leave only the one written last: any second name of the file is
// refused, whether the file is there yet or not.
TEST(Options, TwoOutputsNeverNameOneFile)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "mixdesign-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    fs::create_directory(dir / "sub");
    std::ofstream(dir / "a.pdf") << "a";
    std::ofstream(dir / "b.pdf") << "b";
    fs::create_symlink(dir / "a.pdf", dir / "link.pdf");
    fs::create_hard_link(dir / "a.pdf", dir / "hard.pdf");
    const auto in = [&](const char* name) { return (dir / name).string(); };
    const std::tuple<std::string, std::string, bool> rows[] = {
        {in("a.pdf"), in("a.pdf"), true},
        {in("a.pdf"), in("link.pdf"), true},
        {in("hard.pdf"), in("a.pdf"), true},
        {in("sub/../a.pdf"), in("./a.pdf"), true},
        {in("new.pdf"), in("sub/../new.pdf"), true},
        {in("new.pdf"), in(".//new.pdf"), true},
        {"no-such-mixdesign.pdf", "./no-such-mixdesign.pdf", true}, // relative, nothing of it there
        {in("a.pdf"), in("b.pdf"), false},
        {in("new.pdf"), in("sub/new.pdf"), false},
        {in("a.pdf"), in("new.pdf"), false},
    };
    for (const auto& [pdf, card, same] : rows) {
        const auto r = parse({"--pdf", pdf, "--card", card});
        if (same) {
            ASSERT_TRUE(std::holds_alternative<UsageError>(r)) << pdf << " " << card;
            EXPECT_EQ(std::get<UsageError>(r).message, "--pdf and --card name the same file; each needs its own");
        } else {
            EXPECT_TRUE(std::holds_alternative<Options>(r)) << pdf << " " << card;
        }
    }
    fs::remove_all(dir);
}
#endif

// The batch and the single call are one road: for any row, the batch writes exactly what
// `mixdesign --json` writes for the same inputs.
TEST(Batch, EveryRowEqualsTheSingleCall)
{
    std::mt19937 rng(20261208);
    // The first value of each list, a usable one, comes half the time, so that many rows design.
    const auto pick = [&](std::initializer_list<const char*> values) {
        std::uniform_int_distribution<size_t> at(0, 2 * values.size() - 1);
        const size_t i = at(rng);
        return std::string(values.begin()[i < values.size() ? 0 : i - values.size()]);
    };
    std::string csv = "strength,specimen,slump,stone,admixture,dose,moisture\r\n";
    std::vector<std::vector<std::string>> calls;
    for (int row = 0; row < 400; ++row) {
        const std::string strength =
            pick({std::to_string(100 + rng() % 300).c_str(), "180.5", "0350", "", ".", "99999", "10", "3,5"});
        const std::string specimen = pick({"cube", "cylinder", ""});
        const std::string slump = pick({"7.5", "10", "10.0", "12.5", ""});
        const std::string stone = pick({"1", "2", ""});
        const std::string admixture = pick({"no", "yes", ""});
        const std::string dose = admixture == "yes" ? pick({"250", "", "7000", "1.5"}) : "";
        const std::string moisture = pick({"5", "0.5", "", "99", "3.25"});
        csv += "\"" + strength + "\"," + specimen + "," + slump + "," + stone + "," + admixture + "," + dose + "," +
               moisture + "\r\n";

        std::vector<std::string> args{"--json", "--strength=" + strength, "--moisture=" + moisture};
        if (!specimen.empty())
            args.push_back("--" + specimen);
        if (!slump.empty())
            args.push_back("--slump=" + slump);
        if (!stone.empty())
            args.push_back("--stone=" + stone);
        if (admixture == "yes")
            args.push_back("--admixture=" + dose);
        if (admixture == "no")
            args.push_back("--no-admixture");
        calls.push_back(args);
    }
    std::istringstream in(csv);
    std::ostringstream out, err;
    Options options;
    options.batchFile = "-";
    const int status = runBatch(in, out, err, options);
    EXPECT_EQ(status, 2); // some of the rows are refused

    std::istringstream lines(out.str());
    std::string line;
    int designed = 0;
    for (const auto& args : calls) {
        ASSERT_TRUE(std::getline(lines, line));
        const auto single = std::get<Options>(parseOptions(args));
        const mix::Design design = mix::designOf(single.entries);
        designed += design.result.has_value();
        EXPECT_EQ(line + "\n", design.result ? jsonDesign(design) : jsonRefusal(*design.refusal));
    }
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_GT(designed, 40);
}
