#include "engine/calculate.h"
#include "engine/picklists.h"

#include <gtest/gtest.h>

#include <random>

using namespace mix;

namespace {

std::string randomTyping(std::mt19937& rng)
{
    // What the key filter lets through, with digits far more likely than points.
    static constexpr char alphabet[] = "0123456789012345678901234567890123456789.";
    std::uniform_int_distribution<int> length(0, 7);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 2);
    std::string s;
    for (int n = length(rng); n > 0; --n)
        s += alphabet[pick(rng)];
    return s;
}

MixInputs randomInputs(std::mt19937& rng)
{
    std::bernoulli_distribution coin(0.5);
    std::uniform_int_distribution<int> strength(60, 420);
    std::uniform_int_distribution<int> moisture(0, 120);
    MixInputs in;
    in.strengthText = coin(rng) ? std::to_string(strength(rng)) : randomTyping(rng);
    in.cubeChecked = coin(rng);
    in.cylinderChecked = !in.cubeChecked;
    in.slumpItem = std::string(slumpItems()[std::uniform_int_distribution<int>(0, 2)(rng)]);
    in.stoneItem = std::string(stoneItems()[std::uniform_int_distribution<int>(0, 1)(rng)]);
    in.admixtureChecked = coin(rng);
    in.noAdmixtureChecked = !in.admixtureChecked;
    in.doseText = coin(rng) ? std::to_string(strength(rng)) : randomTyping(rng);
    in.moistureText = coin(rng) ? std::to_string(moisture(rng) / 10.0).substr(0, 4) : randomTyping(rng);
    return in;
}

} // namespace

TEST(Property, EveryAcceptedDesignIsConsistent)
{
    std::mt19937 rng(20261208);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        const MixInputs in = randomInputs(rng);
        const auto outcome = calculate(in);
        const auto* r = std::get_if<CalcResult>(&outcome);
        if (!r) {
            const auto& e = std::get<CalcError>(outcome);
            ASSERT_TRUE(e.focus == "Text2" || e.focus == "Text3" || e.focus == "Text4") << e.focus;
            ASSERT_FALSE(e.message.empty());
            continue;
        }
        ++accepted;
        const MixDesign& d = r->numbers.design;
        const FinalMix& f = r->numbers.final;
        ASSERT_EQ(d.VOLUM + d.W + d.SAND + d.VGRAVEL, 1000) << in.strengthText;
        ASSERT_GE(d.F, 150);
        ASSERT_LE(d.F, 450);
        for (int v : {f.cement, f.water, f.sand, f.stone})
            ASSERT_EQ(v % 5, 0) << in.strengthText << " " << in.moistureText;
        ASSERT_EQ(f.admixture % 50, 0);
        ASSERT_LE(std::abs(f.cement - d.Weight), 3);
        ASSERT_LE(std::abs(f.stone - d.WGRAVEL), 3);
        ASSERT_LE(std::abs(f.admixture - d.VYA), 30);
        ASSERT_GE(d.V8, -0.5f); // water a little below zero rounds to none
        ASSERT_GE(d.V9, 0);
        ASSERT_GT(d.mcement, 0.0f);
        ASSERT_EQ(r->texts.size(), 52u);
    }
    EXPECT_GT(accepted, 2000); // the generator must actually reach the arithmetic
}
