#include "text/Number.h"
#include "text/RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace text {
namespace {

constexpr std::optional<double> Overflow = std::nullopt;

// The value, or nothing when the call raised the overflow error (6).
template <typename Call> std::optional<double> ValueOf(Call call) {
    try {
        return double(call());
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 6);
        EXPECT_STREQ(e.what(), "Overflow");
        return Overflow;
    }
}

TEST(Number, ValReadsTheLeadingNumberAsTheUserTypedIt) {
    // clang-format off
    const struct {
        std::u16string_view text;
        std::optional<double> value;
    } cases[] = {
        {u"1234567890", 1234567890.0}, {u"12abc", 12}, {u"+7x", 7}, {u"\t-3.5\n", -3.5},
        {u".5", 0.5}, {u"1.2.3", 1.2}, {u"1,5", 1}, {u"9/8", 9}, {u"0:9", 0},
        // Blanks, tabs and line feeds are skipped anywhere; a carriage return ends it.
        {u" 1 2", 12}, {u"- 5", -5}, {u"1 e 2", 100}, {u"1\t0\n0", 100}, {u"1\r2", 1},
        {u"\r\n1", 0},
        // Exponents: E, e, D or d, and only with digits after them.
        {u"1.5e3", 1500}, {u"2D2", 200}, {u"25E-1", 2.5}, {u"3d1x", 30}, {u"1e", 1}, {u"1e+", 1},
        {u"3D-x", 3}, {u"5f2", 5},
        // No number at all.
        {u"", 0}, {u"abc", 0}, {u"--1", 0}, {u".", 0}, {u"e5", 0}, {u"   ", 0},
        // Beyond a double.
        {u"1e-400", 0}, {u"1e400", Overflow}, {u"-12345678901234567890e300", Overflow}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ValueOf([&] { return Val(c.text); }), c.value)
            << std::string(c.text.begin(), c.text.end());
}

TEST(Number, RoundToInt32TakesHalvesToTheEvenNeighbourWithinTheRange) {
    // clang-format off
    const struct {
        double value;
        std::optional<double> rounded;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3},
        {-7.6, -8}, {2147483647.4, 2147483647}, {-2147483648.5, -2147483648.0},
        {2147483647.5, Overflow}, {-2147483649.0, Overflow}, {1e300, Overflow},
        {std::numeric_limits<double>::infinity(), Overflow}, {std::nan(""), Overflow}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ValueOf([&] { return RoundToInt32(c.value); }), c.rounded) << c.value;
}

} // namespace
} // namespace text
