#include "engine/decimalconv.h"
#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace mix;

TEST(Rounding, HalfToEvenWholeAndDecimals)
{
    struct Row {
        double x;
        double whole;
    };
    for (const Row& r :
         {Row{0.5, 0}, Row{1.5, 2}, Row{2.5, 2}, Row{777.5, 778}, Row{782.5, 782}, Row{-0.5, -0}, Row{-1.5, -2},
          Row{-2.5, -2}, Row{2.4999999, 2}, Row{2.5000001, 3}, Row{300.5, 300}, Row{301.5, 302}})
        EXPECT_EQ(roundHalfEven(r.x), r.whole) << r.x;

    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(roundHalfEven(0.375, 2), 0.38);
    EXPECT_EQ(roundHalfEven(0.15625, 2), 0.16);
    EXPECT_EQ(roundHalfEven(24.99999925, 2), 25.0);
    EXPECT_EQ(roundHalfEven(4.2105, 1), 4.2);
    EXPECT_EQ(roundHalfEven(0.25, 1), 0.2);
}

TEST(Rounding, SixteenBitFieldsFailOnOverflow)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(32767.5), std::nullopt); // rounds to 32768 first
    EXPECT_EQ(toInt16(-32768.5), -32768);      // ties to the even -32768
    EXPECT_EQ(toInt16(-32769), std::nullopt);
    EXPECT_EQ(toInt16(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(toInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(toSingle(1e39), std::nullopt);
    EXPECT_EQ(toSingle(-1e39), std::nullopt);
    EXPECT_EQ(toSingle(834.4000000001), 834.4f);
}

TEST(Parsing, OnlyDigitsWithOnePoint)
{
    struct Row {
        const char* text;
        std::optional<double> value;
    };
    for (const Row& r : {Row{"240", 240.0},         Row{"240.", 240.0},        Row{".5", 0.5},
                         Row{"240.25", 240.25},     Row{"007", 7.0},           Row{"0", 0.0},
                         Row{"", std::nullopt},     Row{".", std::nullopt},    Row{"1.2.5", std::nullopt},
                         Row{" 240", std::nullopt}, Row{"240 ", std::nullopt}, Row{"-5", std::nullopt},
                         Row{"+5", std::nullopt},   Row{"1e3", std::nullopt},  Row{"1,5", std::nullopt},
                         Row{"๒๔๐", std::nullopt},  Row{"inf", std::nullopt},  Row{"nan", std::nullopt},
                         Row{"0x10", std::nullopt}, Row{"24\n", std::nullopt}})
        EXPECT_EQ(parseNumber(r.text), r.value) << '"' << r.text << '"';

    EXPECT_EQ(parseNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(Formatting, ShortestFormWithinTheSignificantDigits)
{
    struct SingleRow {
        float x;
        const char* text;
    };
    for (const SingleRow& r : {SingleRow{0.61f, "0.61"}, SingleRow{0.54759997f, "0.5476"}, SingleRow{834.4f, "834.4"},
                               SingleRow{746.79f, "746.79"}, SingleRow{163.21f, "163.21"}, SingleRow{-0.0f, "0"},
                               SingleRow{0.16129032f, "0.1612903"}, SingleRow{1234567.8f, "1234568"},
                               SingleRow{1e10f, "10000000000"}, SingleRow{-0.1f, "-0.1"}, SingleRow{1e-5f, "0.00001"}})
        EXPECT_EQ(formatSingle(r.x), r.text) << r.text;

    struct DoubleRow {
        double x;
        const char* text;
    };
    for (const DoubleRow& r : {DoubleRow{5 - 0.7, "4.3"}, DoubleRow{800 * (5 - 0.7) / 100, "34.4"},
                               DoubleRow{730 * (3 - 0.7) / 100, "16.79"}, DoubleRow{0.1 + 0.2, "0.3"},
                               DoubleRow{25.0, "25"}, DoubleRow{129.03, "129.03"}, DoubleRow{0.08, "0.08"},
                               DoubleRow{123456789012345678.0, "123456789012346000"}, DoubleRow{-0.2, "-0.2"}})
        EXPECT_EQ(formatDouble(r.x), r.text) << r.text;
}

// Both implementations of the conversions (this test runs in each build) give the same bytes.
TEST(Conversions, CorrectlyRoundedAndShortestInEitherImplementation)
{
#ifdef MIXDESIGN_PORTABLE_NUMBERS
    EXPECT_FALSE(decimalConvUsesCharconv());
#endif
    struct ReadRow {
        std::string text;
        double value;
    };
    for (const ReadRow& r :
         {ReadRow{"9007199254740993", 9007199254740992.0}, ReadRow{"9007199254740995", 9007199254740996.0},
          ReadRow{"0.30000000000000004441", 0.1 + 0.2}, ReadRow{"4503599627370497.5", 4503599627370498.0},
          ReadRow{"0." + std::string(310, '0') + "5", 0x0.0093445b87316p-1022}})
        EXPECT_EQ(parseNumber(r.text), r.value) << r.text;

    struct FloatRow {
        float x;
        const char* text;
    };
    for (const FloatRow& r : {FloatRow{0.61f, "0.61"}, FloatRow{834.4f, "834.4"}, FloatRow{0.16129032f, "0.16129032"},
                              FloatRow{1e-5f, "1e-05"}, FloatRow{1e20f, "1e+20"}, FloatRow{-0.0f, "-0"},
                              FloatRow{16777216.0f, "16777216"}, FloatRow{0x1p-149f, "1e-45"}})
        EXPECT_EQ(formatShortest(r.x), r.text) << r.text;

    struct DoubleRow {
        double x;
        const char* text;
    };
    for (const DoubleRow& r :
         {DoubleRow{0.1 + 0.2, "0.30000000000000004"}, DoubleRow{0x1p60, "1152921504606846976"},
          DoubleRow{0x1p-1074, "5e-324"}, DoubleRow{0x1p-1022, "2.2250738585072014e-308"},
          DoubleRow{std::numeric_limits<double>::max(), "1.7976931348623157e+308"}, DoubleRow{0.001, "0.001"},
          DoubleRow{0.0001, "1e-04"}, DoubleRow{-std::numeric_limits<double>::infinity(), "-inf"}})
        EXPECT_EQ(formatShortest(r.x), r.text) << r.text;
    EXPECT_EQ(formatShortest(std::numeric_limits<double>::quiet_NaN()), "nan");
}
