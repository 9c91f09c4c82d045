#include "text/Number.h"
#include "text/RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace text {
namespace {

void ExpectOverflow(double value) {
    try {
        RoundToInt32(value);
        ADD_FAILURE() << "no overflow for " << value;
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 6);
        EXPECT_STREQ(e.what(), "Overflow");
    }
}

TEST(Number, ValReadsTheLeadingNumber) {
    EXPECT_EQ(Val(u"123"), 123.0);
    EXPECT_EQ(Val(u"12abc"), 12.0);
    EXPECT_EQ(Val(u"+7x"), 7.0);
    EXPECT_EQ(Val(u"\t-3.5\n"), -3.5);
    EXPECT_EQ(Val(u".5"), 0.5);
    EXPECT_EQ(Val(u"1.2.3"), 1.2);
    EXPECT_EQ(Val(u"1,5"), 1.0);
    EXPECT_EQ(Val(u"1.5e3"), 1500.0);
    EXPECT_EQ(Val(u"2D2"), 200.0);
    EXPECT_EQ(Val(u"25E-1"), 2.5);
    EXPECT_EQ(Val(u"1e5x"), 100000.0);
}

TEST(Number, ValSkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(Val(u" 1 2"), 12.0);
    EXPECT_EQ(Val(u"- 5"), -5.0);
    EXPECT_EQ(Val(u"1 e 2"), 100.0);
    EXPECT_EQ(Val(u"1\t0\n0"), 100.0);
    // A carriage return is not skipped: it ends the number.
    EXPECT_EQ(Val(u"1\r2"), 1.0);
    EXPECT_EQ(Val(u"\r\n1"), 0.0);
}

TEST(Number, ValWithoutANumberIsZero) {
    EXPECT_EQ(Val(u""), 0.0);
    EXPECT_EQ(Val(u"abc"), 0.0);
    EXPECT_EQ(Val(u"--1"), 0.0);
    EXPECT_EQ(Val(u"."), 0.0);
    EXPECT_EQ(Val(u"e5"), 0.0);
    EXPECT_EQ(Val(u"   "), 0.0);
}

TEST(Number, ValExponentWithoutDigitsIsNotPartOfTheNumber) {
    EXPECT_EQ(Val(u"1e"), 1.0);
    EXPECT_EQ(Val(u"1e+"), 1.0);
    EXPECT_EQ(Val(u"3D-x"), 3.0);
}

TEST(Number, ValBeyondTheRangeOfADouble) {
    EXPECT_EQ(Val(u"1e-400"), 0.0);
    EXPECT_EQ(Val(u"0.000001e-320"), 0.0);
    try {
        Val(u"1e400");
        ADD_FAILURE() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 6);
        EXPECT_STREQ(e.what(), "Overflow");
    }
    EXPECT_THROW(Val(u"-12345678901234567890e300"), RuntimeError);
}

TEST(Number, RoundToInt32TakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(1.5), 2);
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(-0.5), 0);
    EXPECT_EQ(RoundToInt32(-1.5), -2);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(2.4999), 2);
    EXPECT_EQ(RoundToInt32(2.5001), 3);
    EXPECT_EQ(RoundToInt32(-7.6), -8);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483647 - 1);
}

TEST(Number, RoundToInt32OutsideTheRangeOverflows) {
    ExpectOverflow(2147483647.5);
    ExpectOverflow(-2147483649.0);
    ExpectOverflow(1e300);
    ExpectOverflow(std::numeric_limits<double>::infinity());
    ExpectOverflow(std::nan(""));
}

} // namespace
} // namespace text
