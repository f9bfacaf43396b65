#include "format/designlink.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

namespace {

struct LinkCase {
    const char* name;
    mix::MixInputs inputs;
    mix::EntryTexts pour;
    mix::Exposure exposure;
    const char* address;
    const char* link;
};

mix::MixInputs oddEntries()
{
    mix::MixInputs in = firstExample();
    in.strengthText = "2 4&\xe0\xb8\x81"; // a blank, an ampersand and a Thai letter
    in.doseText = "1#=";
    in.moistureText = "";
    return in;
}

TEST(DesignLink, CarriesTheEntriesInTheBatchColumnsSpelling)
{
    const mix::EntryTexts pour{"10"}; // the volume alone
    // Typed as a site types them; the link carries each as the batch column writes it.
    const mix::EntryTexts site{"2.50", "7.5", "40.0", "0.020", "18", "2", "120", "", "", "", ""};
    const mix::EntryTexts none{"", "10"}; // no volume: nothing to plan, nothing carried
    const LinkCase cases[] = {
        {"example1", firstExample(), mix::EntryTexts{}, mix::Exposure::None, "https://example.org/mix/",
         "https://example.org/mix/#strength=240&specimen=cube&slump=10&stone=2&admixture=yes&dose=250&moisture=5"},
        {"example2 with a pour", secondExample(), pour, mix::Exposure::None, "https://example.org/mix/",
         "https://example.org/mix/#strength=240&specimen=cylinder&slump=7.5&stone=1&admixture=no&moisture=3"
         "&volume=10&waste=5&bag_kg=50&basket=0.019&pail=27&bags_per_batch=1"},
        {"site measures", secondExample(), site, mix::Exposure::None, "https://m.example/",
         "https://m.example/#strength=240&specimen=cylinder&slump=7.5&stone=1&admixture=no&moisture=3"
         "&volume=2.5&waste=7.5&bag_kg=40&basket=0.02&pail=18&bags_per_batch=2"},
        {"no volume", firstExample(), none, mix::Exposure::None, "https://m.example/",
         "https://m.example/#strength=240&specimen=cube&slump=10&stone=2&admixture=yes&dose=250&moisture=5"},
        {"encoded, empty left out", oddEntries(), mix::EntryTexts{}, mix::Exposure::None, "https://m.example/",
         "https://m.example/#strength=2%204%26%E0%B8%81&specimen=cube&slump=10&stone=2&admixture=yes&dose=1%23%3D"},
        {"no address", firstExample(), pour, mix::Exposure::None, "", ""},
        // The class after the design's own columns, before the pour's, as the page reads it back.
        {"exposure class", firstExample(), pour, mix::Exposure::XC3, "https://m.example/",
         "https://m.example/#strength=240&specimen=cube&slump=10&stone=2&admixture=yes&dose=250&moisture=5"
         "&exposure=XC3&volume=10&waste=5&bag_kg=50&basket=0.019&pail=27&bags_per_batch=1"},
    };
    for (const LinkCase& c : cases)
        EXPECT_EQ(format::designLink(c.address, mix::designOf({c.inputs, c.pour, c.exposure})), c.link) << c.name;
}

} // namespace
