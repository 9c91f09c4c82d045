#include "json/Decimal.h"

#include "text/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

using json::Decimal;

// What a call gives as text, or the error it raised as "error N Description".
template <typename Call> std::u16string Outcome(Call call) {
    try {
        return call();
    } catch (const text::RuntimeError& e) {
        const std::string line = "error " + std::to_string(e.Number()) + " " + e.what();
        return std::u16string(line.begin(), line.end());
    }
}

constexpr char16_t Mismatch[] = u"error 13 Type mismatch";
constexpr char16_t Overflow[] = u"error 6 Overflow";

TEST(Decimal, ReadsNumbersExactlyAndWritesThemWithoutTrailingZeros) {
    // clang-format off
    const struct {
        std::u16string_view text, canonical;
    } cases[] = {
        {u"12.5", u"12.5"}, {u"-3", u"-3"}, {u"+7", u"7"}, {u".5", u"0.5"}, {u"1.", u"1"},
        {u"2E-3", u"0.002"}, {u"1e3", u"1000"}, {u"-1.25e+1", u"-12.5"}, {u"007", u"7"},
        {u"1.50", u"1.5"}, {u"100", u"100"}, {u"0.000", u"0"}, {u"-0.0", u"0"},
        {u"1e-99999999999", u"0"}, {u"0e99999999999", u"0"}, {u"9876543210", u"9876543210"},
        {u"79228162514264337593543950335", u"79228162514264337593543950335"},
        {u"-79228162514264337593543950335", u"-79228162514264337593543950335"},
        {u"7.9228162514264337593543950335e28", u"79228162514264337593543950335"},
        // Beyond 28 places, or more digits than 96 bits hold: rounded, halves to even.
        {u"0.00000000000000000000000000015", u"0.0000000000000000000000000002"},
        {u"0.00000000000000000000000000025", u"0.0000000000000000000000000002"},
        {u"0.000000000000000000000000000251", u"0.0000000000000000000000000003"},
        {u"0.00000000000000000000000000004", u"0"},
        {u"1.2345678901234567890123456789012", u"1.2345678901234567890123456789"},
        {u"9.9999999999999999999999999999999", u"10"},
        // Not numbers, or too large.
        {u"", Mismatch}, {u"-", Mismatch}, {u"+", Mismatch}, {u"1-2", Mismatch}, {u"--", Mismatch},
        {u"e", Mismatch}, {u".", Mismatch}, {u"1e", Mismatch}, {u"1e+", Mismatch},
        {u"1.2.3", Mismatch}, {u"1x", Mismatch}, {u" 1", Mismatch}, {u"1,5", Mismatch},
        {u"e5", Mismatch}, {u"1/", Mismatch}, {u"9:", Mismatch}, {u"1e29", Overflow},
        {u"79228162514264337593543950336", Overflow}, {u"1e99999999999", Overflow},
        {u"79228162514264337593543950335.5", Overflow}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Outcome([&] { return Decimal::Parse(c.text).ToText(); }), c.canonical)
            << std::string(c.text.begin(), c.text.end());

    EXPECT_EQ(Decimal::Parse(u"1.50").Scale(), 2);
    EXPECT_EQ(Decimal::Parse(u"1.50"), Decimal::Parse(u"1.5"));
    EXPECT_EQ(Decimal(-3), Decimal::Parse(u"-3.0"));
    EXPECT_EQ(Decimal(-9223372036854775807LL - 1).ToText(), u"-9223372036854775808");
}

TEST(Decimal, WholeNumberRoundsHalvesToEvenWithinTheRange) {
    // clang-format off
    const struct {
        std::u16string_view text, whole;
    } cases[] = {
        {u"2.5", u"2"}, {u"3.5", u"4"}, {u"-2.5", u"-2"}, {u"-3.5", u"-4"}, {u"2.4999", u"2"},
        {u"2.5000001", u"3"}, {u"-0.4", u"0"}, {u"0.5", u"0"}, {u"2147483647.4", u"2147483647"},
        {u"-2147483648.5", u"-2147483648"}, {u"2147483647.5", Overflow},
        {u"-2147483649", Overflow}, {u"1e20", Overflow}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Outcome([&] {
                      const int32_t whole = Decimal::Parse(c.text).ToInt32();
                      const std::string digits = std::to_string(whole);
                      return std::u16string(digits.begin(), digits.end());
                  }),
                  c.whole)
            << std::string(c.text.begin(), c.text.end());
}

} // namespace
