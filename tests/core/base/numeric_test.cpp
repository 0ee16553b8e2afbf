#include <gtest/gtest.h>

#include <limits>

#include "base/numeric.h"

using namespace kestrova::num;

TEST(DecimalPrefix, ReadsTheLongestLeadingNumber) {
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val("-"), 0);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val("12abc"), 12);
    EXPECT_EQ(val("  7"), 7);
    EXPECT_EQ(val("1,5"), 1);
    EXPECT_EQ(val("1e5"), 100000);
    EXPECT_EQ(val("-2.5e-1x"), -0.25);
    EXPECT_EQ(val("1.2.3"), 1.2);
    EXPECT_EQ(val(".5"), 0.5);
    EXPECT_EQ(val("3e"), 3);    // an exponent without digits is not part of the number
    EXPECT_EQ(val("+4"), 4);
    EXPECT_EQ(val("- 4"), 0);
    // Overflow is reported instead of infinity.
    const Reading r = read_prefix("1e309");
    EXPECT_TRUE(r.found);
    EXPECT_TRUE(r.overflow);
    EXPECT_EQ(r.value, 0);
    EXPECT_FALSE(read_prefix("1e308").overflow);
    EXPECT_FALSE(read_prefix("x").found);
}

TEST(WholeNumber, AcceptsOnlyANumberWithBlanksAround) {
    EXPECT_EQ(whole_number(" 42 "), 42.0);
    EXPECT_EQ(whole_number("-1.5"), -1.5);
    EXPECT_FALSE(whole_number(""));
    EXPECT_FALSE(whole_number("   "));
    EXPECT_FALSE(whole_number("12abc"));
    EXPECT_FALSE(whole_number("1,5"));
    EXPECT_FALSE(whole_number("3e"));  // an exponent needs digits
    EXPECT_FALSE(whole_number("1e309"));
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(round_half_even(12.5), 12);
    EXPECT_EQ(round_half_even(13.5), 14);
    EXPECT_EQ(round_half_even(-2.5), -2);
    EXPECT_EQ(round_half_even(-3.5), -4);
    EXPECT_EQ(round_half_even(0.4), 0);
    EXPECT_EQ(round_half_even(2.6), 3);
    EXPECT_EQ(int_floor(-10.7), -11);
    EXPECT_EQ(int_floor(10.7), 10);
}

TEST(Conversion, ReportsOverflowInsteadOfWrapping) {
    EXPECT_EQ(to_int16(32767.4), 32767);
    EXPECT_EQ(to_int16(-32768.5), -32768);  // half to even stays in range
    EXPECT_FALSE(to_int16(32767.5));          // rounds to 32768
    EXPECT_FALSE(to_int16(-32769));
    EXPECT_EQ(to_int32(2147483647.0), 2147483647);
    EXPECT_FALSE(to_int32(2147483648.0));
    EXPECT_FALSE(to_int32(1e300));
    EXPECT_FALSE(to_int32(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(to_int16(std::numeric_limits<double>::quiet_NaN()));
}

TEST(IntegerDivision, RoundsOperandsThenTruncates) {
    EXPECT_EQ(int_div(7, 2), 3);
    EXPECT_EQ(int_div(-7, 2), -3);
    EXPECT_EQ(int_div(7.5, 2), 4);   // 7.5 rounds to 8
    EXPECT_EQ(int_div(1537, 25), 61);
    EXPECT_EQ(int_div(5, 2.5), 2);   // 2.5 rounds to 2
    EXPECT_FALSE(int_div(5, 0.4));   // the divisor rounds to 0
    EXPECT_FALSE(int_div(1e12, 3));
}

TEST(NumberText, WritesNumbersAsABoxShowsThem) {
    EXPECT_EQ(to_text(-250), "-250");
    EXPECT_EQ(to_text(0.5), "0.5");
    EXPECT_EQ(to_text(-0.25), "-0.25");
    EXPECT_EQ(to_text(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(to_text(1e20), "1E+20");
}
