#include "cli/batch.h"
#include "cli/options.h"
#include "engine/design.h"
#include "format/designlink.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The same pour entries by every way in: the engine's reading (which the planner tab and the
// page hand their fields to), the command's options, a batch row, and the link a sheet carries.
struct Road {
    const char* name;
    const char* volume;
    const char* bagKg;
    const char* basket;
    std::optional<mix::PourSettings> settings; // the plan's settings, or none
    const char* usage;                         // the options' refusal, empty when accepted
    const char* batch;                         // the batch row's message, empty when designed
};

std::vector<std::string> designArgs()
{
    return {"--strength", "240", "--cube", "--slump", "10", "--stone", "2", "--admixture", "250", "--moisture", "5"};
}

} // namespace

TEST(EntryRoads, EveryWayInGivesTheSameSettingsOrRefusal)
{
    const std::string longText = "0." + std::string(300, '1');
    const Road roads[] = {
        {"good", "10", "40", "0.02", mix::PourSettings{10, 5, 40, 0.02, 27, 1}, "", ""},
        {"45 kg bag", "10", "45", "", std::nullopt, "--bag-kg takes 50 or 40", "bag_kg must be 50 or 40, not '45'"},
        {"no volume", "", "", "", std::nullopt, "", ""},
        {"over-long", "10", "", longText.c_str(), std::nullopt, "--basket is too large", "basket: มากเกินไปจนคำนวณไม่ได้"},
    };
    for (const Road& r : roads) {
        mix::EntryTexts texts;
        texts[size_t(mix::Entry::Volume)] = r.volume;
        texts[size_t(mix::Entry::BagKg)] = r.bagKg;
        texts[size_t(mix::Entry::Basket)] = r.basket;
        const mix::Design engine = mix::designOf({firstExample(), texts});
        EXPECT_EQ(engine.plan ? std::optional(engine.plan->settings) : std::nullopt, r.settings) << r.name;
        EXPECT_EQ(engine.entryErrors.empty(), *r.usage == '\0') << r.name;

        std::vector<std::string> args = designArgs();
        for (const auto& [option, text] :
             {std::pair{"--pour", r.volume}, {"--bag-kg", r.bagKg}, {"--basket", r.basket}})
            if (*text != '\0')
                args.insert(args.end(), {option, text});
        const auto parsed = cli::parseOptions(args);
        if (*r.usage != '\0') {
            EXPECT_EQ(std::get<cli::UsageError>(parsed).message, r.usage) << r.name;
        } else {
            const mix::Design optioned = mix::designOf(std::get<cli::Options>(parsed).entries);
            EXPECT_EQ(optioned.plan ? std::optional(optioned.plan->settings) : std::nullopt, r.settings) << r.name;
            // The link a printed sheet carries names the same settings, so the batch reads it back.
            const std::string link = format::designLink("https://m.example/", optioned);
            EXPECT_EQ(link.find("volume=") != std::string::npos, r.settings.has_value()) << link;
        }

        std::istringstream in("strength,specimen,slump,stone,admixture,dose,moisture,volume,bag_kg,basket\n"
                              "240,cube,10,2,yes,250,5," +
                              std::string(r.volume) + "," + r.bagKg + "," + r.basket + "\n");
        std::ostringstream out, err;
        cli::Options options;
        options.batchFile = "-";
        cli::runBatch(in, out, err, options);
        if (*r.batch != '\0') {
            EXPECT_NE(out.str().find(std::string("\"line 2: ") + r.batch + "\""), std::string::npos) << out.str();
        } else {
            EXPECT_EQ(out.str().find("malformed"), std::string::npos) << r.name;
            EXPECT_EQ(out.str().find("\"pour\":{\"volume_m3\":10,\"waste_percent\":5,\"bag_kg\":40,\"basket_m3\":0.02,"
                                     "\"pail_l\":27,\"bags_per_batch\":1") != std::string::npos,
                      r.settings.has_value())
                << r.name;
        }
    }
}
