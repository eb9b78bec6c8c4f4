#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace holdem {
namespace {

// Places as the end notice and the standings write them: the teens take "th" whatever their
// last digit, thousands are grouped, and a place that paid nothing names no prize.
TEST(NumberText, FinishingPlacesAndPrizes) {
    EXPECT_EQ(finish_words(137, 1000, 180), "You finished 137th of 1,000 and won 180");
    EXPECT_EQ(finish_words(1, 5000, 1234567), "You finished 1st of 5,000 and won 1,234,567");
    EXPECT_EQ(finish_words(400, 1000, 0), "You finished 400th of 1,000");
    for (const auto& [place, text] : {std::pair{2, "2nd"},
                                      {3, "3rd"},
                                      {11, "11th"},
                                      {12, "12th"},
                                      {13, "13th"},
                                      {21, "21st"},
                                      {112, "112th"},
                                      {1001, "1,001st"}})
        EXPECT_EQ(ordinal_text(place), text);
    EXPECT_EQ(grouped(-1500), "-1,500");
}

TEST(NumberText, BlankBeforeZeroAndPositiveMinusBeforeNegative) {
    EXPECT_EQ(number_text(0), " 0");
    EXPECT_EQ(number_text(1000), " 1000");
    EXPECT_EQ(number_text(-5), "-5");
    EXPECT_EQ(number_text(2147483647), " 2147483647");
    EXPECT_EQ(number_text(-2147483648LL), "-2147483648");
    EXPECT_EQ(number_text(INT64_MIN), "-9223372036854775808");
    std::string caption = "Prize money";  // rewritten in place, longer or shorter
    const std::int64_t values[] = {0,
                                   7,
                                   9,
                                   10,
                                   99,
                                   100,
                                   1000,
                                   -5,
                                   -10,
                                   2147483647,
                                   -2147483648LL,
                                   999999999999999999LL,
                                   1000000000000000000LL,
                                   INT64_MAX,
                                   INT64_MIN};
    for (std::int64_t v : values) {
        EXPECT_TRUE(shows_number(number_text(v), v)) << v;
        assign_number_text(caption, v);
        EXPECT_EQ(caption, number_text(v));
    }
    for (const char* wrong : {"1000", " 01000", " 100", "-1000", " 1000 ", "All in", " "})
        EXPECT_FALSE(shows_number(wrong, 1000)) << wrong;
}

TEST(NumericValue, ReadsTheLongestLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12abc", 12}, {"20.5", 20.5},   {"  40", 40},   {" 40 ", 40},  {"-7", -7},  {"+8", 8},
        {"1e3", 1000}, {"2.5E-1", 0.25}, {"1e", 1},      {"1e+", 1},    {"abc", 0},  {"", 0},
        {".5", 0.5},   {"5.", 5},        {"1.2.3", 1.2}, {"- 5", -5},   {"1 2", 12}, {"300x", 300},
        {"--5", 0},    {"$5", 0},        {"0x10", 0},    {"1e2x", 100}, {"\t9", 9},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(numeric_value(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericValue, ValuesFarBeyondThirtyTwoBitsStayLarge) {
    EXPECT_DOUBLE_EQ(numeric_value("99999999999999999999"), 1e20);
    EXPECT_TRUE(std::isinf(numeric_value("1e999")));
    EXPECT_GT(numeric_value("4294967296"), 2147483647.0);
}

TEST(IsNumber, TheWholeTextApartFromOuterBlanksMustRead) {
    EXPECT_TRUE(is_number("20.5"));
    EXPECT_TRUE(is_number(" 150 "));
    EXPECT_TRUE(is_number("-3"));
    EXPECT_TRUE(is_number("1e5"));
    EXPECT_TRUE(is_number(".5"));
    EXPECT_FALSE(is_number("12abc"));
    EXPECT_FALSE(is_number("300x"));
    EXPECT_FALSE(is_number(""));
    EXPECT_FALSE(is_number("   "));
    EXPECT_FALSE(is_number("1e"));
    EXPECT_FALSE(is_number("1 2"));
    EXPECT_FALSE(is_number("."));
    EXPECT_FALSE(is_number("+"));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(round_half_even(0.5), 0);
    EXPECT_EQ(round_half_even(1.5), 2);
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(20.5), 20);
    EXPECT_EQ(round_half_even(112.5), 112);
    EXPECT_EQ(round_half_even(113.5), 114);
    EXPECT_EQ(round_half_even(-2.5), -2);
    EXPECT_EQ(round_half_even(-3.5), -4);
    EXPECT_EQ(round_half_even(2.4999), 2);
    EXPECT_EQ(round_half_even(833.333), 833);
}

TEST(ChipArithmetic, RefusesToWrap) {
    const Chips max = std::numeric_limits<Chips>::max();
    const Chips min = std::numeric_limits<Chips>::min();
    EXPECT_EQ(checked_add(max - 1, 1), max);
    EXPECT_THROW(checked_add(max, 1), ChipOverflow);
    EXPECT_THROW(checked_sub(min, 1), ChipOverflow);
    EXPECT_THROW(checked_mul(100000, 100000), ChipOverflow);
    EXPECT_EQ(checked_mul(100000, 2), 200000);
    EXPECT_EQ(to_chips(1500.5), 1500);
    EXPECT_THROW(to_chips(3e9), ChipOverflow);
    EXPECT_THROW(to_chips(std::numeric_limits<double>::infinity()), ChipOverflow);
    EXPECT_THROW(to_chips(std::nan("")), ChipOverflow);
}

}  // namespace
}  // namespace holdem
