#include "format/acceptancejson.h"

#include "engine/version.h"
#include "format/designjson.h"

namespace format {
namespace {

std::string ksc(double value) { return numberText(mix::shownKsc(value)); }

std::string indexes(const std::vector<std::size_t>& list)
{
    std::string out = "[";
    for (const std::size_t i : list)
        out.append(out.size() > 1 ? "," : "").append(std::to_string(i));
    return out + "]";
}

std::string_view truth(bool value) { return value ? "true" : "false"; }

} // namespace

void appendAcceptance(JsonWriter& o, const mix::Acceptance& a)
{
    o.begin("acceptance");
    o.raw("specified_ksc", ksc(a.specifiedKsc));
    o.text("specimen", a.specimen == mix::Specimen::Cube ? "cube" : "cylinder");
    std::string tests = "[";
    for (const mix::TestResult& t : a.tests) {
        if (tests.size() > 1)
            tests += ',';
        JsonWriter test(tests);
        test.begin().text("sample", t.sample).raw("strength_ksc", ksc(t.strengthKsc)).number("specimens", t.specimens);
        test.end();
    }
    o.raw("tests", tests + "]");
    o.number("n", double(a.tests.size()));
    o.raw("mean_ksc", ksc(a.meanKsc));
    o.raw("sd_ksc", a.sdKsc ? ksc(*a.sdKsc) : "null");
    o.raw("min_ksc", ksc(a.minKsc));
    o.begin("aci318")
        .raw("meets", truth(a.aci318.meets))
        .raw("single_limit_ksc", ksc(a.aci318.singleLimitKsc))
        .raw("low_averages", indexes(a.aci318.lowMeans))
        .raw("low_tests", indexes(a.aci318.lowTests))
        .end();
    o.begin("en206")
        .raw("meets", truth(a.en206.meets))
        .raw("mean_limit_ksc", ksc(a.en206.meanLimitKsc))
        .raw("single_limit_ksc", ksc(a.en206.singleLimitKsc))
        .raw("low_means", indexes(a.en206.lowMeans))
        .raw("low_tests", indexes(a.en206.lowTests))
        .end();
    o.raw("required_average_ksc", ksc(a.requiredAverageKsc));
    o.raw("required_margin_ksc", ksc(a.requiredMarginKsc));
    o.raw("design_margin_ksc", ksc(a.designMarginKsc));
    o.raw("design_margin_enough", truth(a.designMarginEnough));
    o.end();
}

std::string jsonAcceptance(const mix::Acceptance& a)
{
    std::string out;
    JsonWriter o(out);
    o.begin().number("schema", kJsonSchema).text("version", mix::kVersion);
    appendAcceptance(o, a);
    o.end();
    return out + "\n";
}

} // namespace format
