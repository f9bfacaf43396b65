#include "cli/options.h"
#include "cli/output.h"
#include "engine/calculate.h"
#include "engine/picklists.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

using namespace cli;

namespace {

Options parsed(const std::vector<std::string>& args)
{
    auto r = parseOptions(args);
    if (auto* e = std::get_if<UsageError>(&r)) {
        ADD_FAILURE() << e->message;
        return {};
    }
    return std::get<Options>(r);
}

bool isUsageError(const std::vector<std::string>& args)
{
    return std::holds_alternative<UsageError>(parseOptions(args));
}

// The value of "key":number in a flat JSON text, as the text it was written with.
std::string jsonNumber(const std::string& json, const std::string& key)
{
    std::smatch m;
    const std::regex rx("\"" + key + "\":(-?[0-9.eE+-]+)");
    return std::regex_search(json, m, rx) ? m[1].str() : "";
}

} // namespace

TEST(Options, MapOntoTheWindowsControls)
{
    const auto o = parsed({"--strength", "240", "--cube", "--slump", "7.5", "--stone=2", "--admixture", "250",
                           "--moisture", "5", "--json", "--pdf", "out.pdf"});
    EXPECT_EQ(o.inputs.strengthText, "240");
    EXPECT_TRUE(o.inputs.cubeChecked);
    EXPECT_FALSE(o.inputs.cylinderChecked);
    EXPECT_EQ(o.inputs.slumpItem, mix::slumpItems()[0]); // trailing blanks and all
    EXPECT_EQ(o.inputs.stoneItem, mix::stoneItems()[1]);
    EXPECT_TRUE(o.inputs.admixtureChecked);
    EXPECT_FALSE(o.inputs.noAdmixtureChecked);
    EXPECT_EQ(o.inputs.doseText, "250");
    EXPECT_EQ(o.inputs.moistureText, "5");
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.pdfFile, "out.pdf");
}

TEST(Options, MissingOptionsAreEmptyFieldsAndEmptyValuesEmptyTexts)
{
    const auto none = parsed({});
    EXPECT_EQ(none.inputs.strengthText, "");
    EXPECT_FALSE(none.inputs.cubeChecked || none.inputs.cylinderChecked);
    EXPECT_FALSE(none.inputs.admixtureChecked || none.inputs.noAdmixtureChecked);
    EXPECT_EQ(none.inputs.slumpItem, "");

    const auto empty = parsed({"--strength", "", "--admixture", ""});
    EXPECT_EQ(empty.inputs.strengthText, "");
    EXPECT_TRUE(empty.inputs.admixtureChecked);
    auto err = mix::calculate(
        parsed({"--strength", "240", "--cube", "--slump", "10.0", "--stone", "2", "--admixture", "", "--moisture", "5"})
            .inputs);
    ASSERT_TRUE(std::holds_alternative<mix::CalcError>(err));
    EXPECT_EQ(std::get<mix::CalcError>(err).kind, mix::ErrorKind::DoseMissing);
}

TEST(Options, UsageErrors)
{
    EXPECT_TRUE(isUsageError({"--slump", "10"}));
    EXPECT_TRUE(isUsageError({"--stone", "3"}));
    EXPECT_TRUE(isUsageError({"--cube", "--cylinder"}));
    EXPECT_TRUE(isUsageError({"--admixture", "250", "--no-admixture"}));
    EXPECT_TRUE(isUsageError({"--strength"}));
    EXPECT_TRUE(isUsageError({"--json=yes"}));
    EXPECT_TRUE(isUsageError({"--colour", "red"}));
    EXPECT_TRUE(isUsageError({"--pdf", ""}));
    EXPECT_TRUE(parsed({"--help"}).help);
}

TEST(Json, SinglesReadBackAsTheSameFloat)
{
    const auto r =
        std::get<mix::CalcResult>(mix::calculate(parsed({"--strength", "240", "--cylinder", "--slump", "7.5", "--stone",
                                                         "1", "--no-admixture", "--moisture", "3"})
                                                     .inputs));
    const std::string json = jsonReport(r);
    const auto& d = r.numbers.design;
    const std::pair<const char*, float> singles[] = {{"WA", d.WA}, {"mcement", d.mcement}, {"V2", d.V2},
                                                     {"V5", d.V5}, {"V8", d.V8},           {"V10", d.V10}};
    for (const auto& [key, value] : singles) {
        const std::string text = jsonNumber(json, key);
        ASSERT_FALSE(text.empty()) << key;
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), value) << key << " written as " << text;
    }
    EXPECT_EQ(jsonNumber(json, "Weight"), "329");
    EXPECT_NE(json.find("\"final\":{\"cement\":330,\"water\":165,\"sand\":750,\"stone\":1190,\"admixture\":0}"),
              std::string::npos);
    EXPECT_NE(json.find("\"Label14\":\"0.5476\""), std::string::npos);
}

TEST(Json, ErrorsAndEscapes)
{
    mix::CalcError e{mix::ErrorKind::NotANumber, "Text4", "a \"quoted\"\\ line\n", "t"};
    EXPECT_EQ(jsonError(e),
              "{\"error\":\"not_a_number\",\"focus\":\"Text4\",\"message\":\"a \\\"quoted\\\"\\\\ line\\n\"}\n");
}

TEST(TextOutput, ShowsTheFinalMixAndTheBagBatch)
{
    const auto r =
        std::get<mix::CalcResult>(mix::calculate(parsed({"--strength", "240", "--cube", "--slump", "10.0", "--stone",
                                                         "2", "--admixture", "250", "--moisture", "5"})
                                                     .inputs));
    const std::string text = textReport(r);
    for (const char* control : {"Label15(0)", "Label16(0)", "Label17(0)", "Label18(0)", "Label19(0)", "Label35(0)",
                                "Label36(0)", "Label37(0)", "Label38(0)", "Text6"})
        EXPECT_NE(text.find(std::string(r.texts.at(control))), std::string::npos) << control;
}
