#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace json {

// An exact decimal number: a 96-bit unsigned mantissa, a scale of 0 to 28 decimal places
// and a sign, the way the service writes identifiers, counts and amounts.
class Decimal {
public:
    static constexpr int32_t MaxScale = 28;

    Decimal() = default;
    explicit Decimal(int64_t value);

    // "." is the decimal point whatever the machine's regional settings; an optional sign
    // and an optional exponent are accepted ("-12.5", "+3", ".5", "1.", "2E-3").
    // A text that is not a number raises error 13; a value beyond the range raises
    // error 6. Fractional digits beyond what fits are rounded, halves to even.
    static Decimal Parse(std::u16string_view text);

    // Nearest whole number, halves to the even neighbour; outside the 32-bit range
    // raises error 6.
    int32_t ToInt32() const;

    // Plain decimal text without exponent or trailing fractional zeros: "12.5", "-3",
    // "0.25", "0".
    std::u16string ToText() const;

    bool IsZero() const noexcept { return lo == 0 && mid == 0 && hi == 0; }
    bool IsNegative() const noexcept { return negative && !IsZero(); }
    int32_t Scale() const noexcept { return scale; }

    // Equal values compare equal whatever their scale (1.50 == 1.5).
    friend bool operator==(const Decimal& a, const Decimal& b) { return a.ToText() == b.ToText(); }

private:
    Decimal(uint32_t lo, uint32_t mid, uint32_t hi, int32_t scale, bool negative)
        : lo(lo), mid(mid), hi(hi), scale(scale), negative(negative) {}

    uint32_t lo = 0;
    uint32_t mid = 0;
    uint32_t hi = 0;
    int32_t scale = 0;
    bool negative = false;
};

} // namespace json
