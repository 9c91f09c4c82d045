#include "json/Decimal.h"

#include "text/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

using json::Decimal;

std::u16string Canonical(std::u16string_view text) {
    return Decimal::Parse(text).ToText();
}

void ExpectRaised(std::u16string_view text, int32_t number, const char* description) {
    try {
        Decimal::Parse(text);
        ADD_FAILURE() << "no failure raised";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.Number(), number);
        EXPECT_STREQ(e.what(), description);
    }
}

void ExpectInt32Overflow(std::u16string_view text) {
    try {
        Decimal::Parse(text).ToInt32();
        ADD_FAILURE() << "no overflow raised";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.Number(), text::ErrorOverflow);
        EXPECT_STREQ(e.what(), "Overflow");
    }
}

TEST(Decimal, ReadsPlainNumbersWithPointSignAndExponent) {
    EXPECT_EQ(Canonical(u"12.5"), u"12.5");
    EXPECT_EQ(Canonical(u"-3"), u"-3");
    EXPECT_EQ(Canonical(u"+7"), u"7");
    EXPECT_EQ(Canonical(u".5"), u"0.5");
    EXPECT_EQ(Canonical(u"1."), u"1");
    EXPECT_EQ(Canonical(u"2E-3"), u"0.002");
    EXPECT_EQ(Canonical(u"1e3"), u"1000");
    EXPECT_EQ(Canonical(u"-1.25e+1"), u"-12.5");
    EXPECT_EQ(Canonical(u"007"), u"7");
    EXPECT_EQ(Canonical(u"1e-99999999999"), u"0");
    EXPECT_EQ(Canonical(u"0e99999999999"), u"0");
}

TEST(Decimal, TextDropsTrailingZerosAndTheSignOfZero) {
    EXPECT_EQ(Canonical(u"1.50"), u"1.5");
    EXPECT_EQ(Canonical(u"100"), u"100");
    EXPECT_EQ(Canonical(u"0.000"), u"0");
    EXPECT_EQ(Canonical(u"-0.0"), u"0");
    EXPECT_EQ(Decimal::Parse(u"1.50").Scale(), 2);
    EXPECT_EQ(Decimal::Parse(u"1.50"), Decimal::Parse(u"1.5"));
    EXPECT_EQ(Decimal(-3), Decimal::Parse(u"-3.0"));
    EXPECT_EQ(Decimal(-9223372036854775807LL - 1).ToText(), u"-9223372036854775808");
}

TEST(Decimal, TextsThatAreNotNumbersRaiseTypeMismatch) {
    for (const char16_t* bad : {u"", u"-", u"+", u"1-2", u"--", u"e", u".", u"1e", u"1e+", u"1.2.3",
                                u"1x", u" 1", u"1,5", u"e5"}) {
        SCOPED_TRACE(std::string(bad, bad + std::char_traits<char16_t>::length(bad)));
        ExpectRaised(bad, text::ErrorTypeMismatch, "Type mismatch");
    }
}

TEST(Decimal, ValuesBeyondNinetySixBitsRaiseOverflow) {
    EXPECT_EQ(Canonical(u"79228162514264337593543950335"), u"79228162514264337593543950335");
    EXPECT_EQ(Canonical(u"-79228162514264337593543950335"), u"-79228162514264337593543950335");
    ExpectRaised(u"79228162514264337593543950336", text::ErrorOverflow, "Overflow");
    ExpectRaised(u"1e29", text::ErrorOverflow, "Overflow");
    ExpectRaised(u"1e99999999999", text::ErrorOverflow, "Overflow");
    ExpectRaised(u"79228162514264337593543950335.5", text::ErrorOverflow, "Overflow");
    EXPECT_EQ(Canonical(u"7.9228162514264337593543950335e28"), u"79228162514264337593543950335");
}

TEST(Decimal, ExtraFractionalDigitsRoundHalfToEven) {
    // 29 places round to 28.
    EXPECT_EQ(Canonical(u"0.00000000000000000000000000015"), u"0.0000000000000000000000000002");
    EXPECT_EQ(Canonical(u"0.00000000000000000000000000025"), u"0.0000000000000000000000000002");
    EXPECT_EQ(Canonical(u"0.000000000000000000000000000251"), u"0.0000000000000000000000000003");
    EXPECT_EQ(Canonical(u"0.00000000000000000000000000004"), u"0");
    // More significant digits than 96 bits hold keep as many as fit.
    EXPECT_EQ(Canonical(u"1.2345678901234567890123456789012"), u"1.2345678901234567890123456789");
    EXPECT_EQ(Canonical(u"9.9999999999999999999999999999999"), u"10");
}

TEST(Decimal, WholeNumberRoundsHalvesToEven) {
    EXPECT_EQ(Decimal::Parse(u"2.5").ToInt32(), 2);
    EXPECT_EQ(Decimal::Parse(u"3.5").ToInt32(), 4);
    EXPECT_EQ(Decimal::Parse(u"-2.5").ToInt32(), -2);
    EXPECT_EQ(Decimal::Parse(u"-3.5").ToInt32(), -4);
    EXPECT_EQ(Decimal::Parse(u"2.4999").ToInt32(), 2);
    EXPECT_EQ(Decimal::Parse(u"2.5000001").ToInt32(), 3);
    EXPECT_EQ(Decimal::Parse(u"-0.4").ToInt32(), 0);
    EXPECT_EQ(Decimal::Parse(u"2147483647.4").ToInt32(), 2147483647);
    EXPECT_EQ(Decimal::Parse(u"-2147483648.5").ToInt32(), -2147483647 - 1);
    ExpectInt32Overflow(u"2147483647.5");
    ExpectInt32Overflow(u"-2147483649");
    ExpectInt32Overflow(u"1e20");
}

} // namespace
