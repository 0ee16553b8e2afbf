#include <gtest/gtest.h>

#include <limits>

#include "base/numeric.h"

using namespace kestrova::num;

TEST(DecimalPrefix, ReadsTheLongestLeadingNumberAndReportsOverflow) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},     {"-", 0},     {"abc", 0},     {"12abc", 12},       {"  7", 7}, {"1,5", 1},
        {"1e5", 1e5}, {".5", 0.5}, {"1.2.3", 1.2}, {"-2.5e-1x", -0.25}, {"+4", 4},  {"- 4", 0},
        {"3e", 3},  // an exponent without digits is not part of the number
        {"-123456789012345x", -123456789012345.0}, {"12345678901234567", 12345678901234567.0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(val(text), value) << text;
    // Overflow is reported instead of infinity.
    const Reading r = read_prefix("1e309");
    EXPECT_TRUE(r.found && r.overflow);
    EXPECT_EQ(r.value, 0);
    EXPECT_FALSE(read_prefix("1e308").overflow);
    EXPECT_FALSE(read_prefix("x").found);
}

TEST(WholeNumber, AcceptsOnlyANumberWithBlanksAroundAndIsWrittenAsABoxShowsIt) {
    EXPECT_EQ(whole_number(" 42 "), 42.0);
    EXPECT_EQ(whole_number("-1.5"), -1.5);
    for (const char* refused : {"", "   ", "12abc", "1,5", "3e", "1e309"}) EXPECT_FALSE(whole_number(refused)) << refused;
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndConversionsAndDivisionReportOverflowInsteadOfWrapping) {
    const std::pair<double, double> halves[] = {{12.5, 12}, {13.5, 14}, {-2.5, -2}, {-3.5, -4}, {0.4, 0}, {2.6, 3}};
    for (auto [x, even] : halves) EXPECT_EQ(round_half_even(x), even) << x;
    EXPECT_EQ(int_floor(-10.7), -11);

    EXPECT_EQ(to_int16(32767.4), 32767);
    EXPECT_EQ(to_int16(-32768.5), -32768);  // half to even stays in range
    EXPECT_FALSE(to_int16(32767.5));          // rounds to 32768
    EXPECT_FALSE(to_int16(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(to_int32(2147483647.0), 2147483647);
    for (double x : {2147483648.0, 1e300, std::numeric_limits<double>::infinity()}) EXPECT_FALSE(to_int32(x)) << x;

    // Integer division rounds its operands, then truncates.
    EXPECT_EQ(int_div(7, 2), 3);
    EXPECT_EQ(int_div(-7, 2), -3);
    EXPECT_EQ(int_div(7.5, 2), 4);   // 7.5 rounds to 8
    EXPECT_EQ(int_div(5, 2.5), 2);   // 2.5 rounds to 2
    EXPECT_FALSE(int_div(5, 0.4));   // the divisor rounds to 0
    EXPECT_FALSE(int_div(1e12, 3));

    // Numbers are written as a box shows them.
    const std::pair<double, const char*> cases[] = {
        {-250, "-250"}, {0.5, "0.5"}, {-0.25, "-0.25"}, {1.0 / 3.0, "0.333333333333333"}, {1e20, "1E+20"},
        {-999999999999999.0, "-999999999999999"}};
    for (auto [x, text] : cases) EXPECT_EQ(to_text(x), text) << x;
}
