#include "json/Decimal.h"

#include "text/RuntimeError.h"

#include <algorithm>
#include <string>

namespace json {

namespace {

constexpr int32_t MaxDigits = 29; // 2^96 has 29 decimal digits
constexpr int64_t ExponentLimit = 1000000;

[[noreturn]] void RaiseTypeMismatch() {
    throw text::RuntimeError(text::ErrorTypeMismatch, "Type mismatch");
}

[[noreturn]] void RaiseOverflow() {
    throw text::RuntimeError(text::ErrorOverflow, "Overflow");
}

// A 96-bit unsigned whole number kept in three 32-bit words, least significant first,
// so that it needs no 128-bit type on any target.
struct Mantissa {
    uint32_t word[3] = {0, 0, 0};

    // this = this * factor + addend; false when the result does not fit in 96 bits.
    bool MultiplyAdd(uint32_t factor, uint32_t addend) {
        uint64_t carry = addend;
        for (uint32_t& w : word) {
            const uint64_t product = uint64_t(w) * factor + carry;
            w = uint32_t(product);
            carry = product >> 32;
        }
        return carry == 0;
    }

    // this = this / 10; returns the remainder.
    uint32_t DivideByTen() {
        uint64_t remainder = 0;
        for (int i = 2; i >= 0; --i) {
            const uint64_t dividend = (remainder << 32) | word[i];
            word[i] = uint32_t(dividend / 10);
            remainder = dividend % 10;
        }
        return uint32_t(remainder);
    }

    bool IsZero() const { return word[0] == 0 && word[1] == 0 && word[2] == 0; }
};

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The parts of a number text: its significant digits and the power of ten they carry.
struct NumberParts {
    bool negative = false;
    std::string digits; // without leading zeros
    int64_t exponent = 0;
};

size_t ReadDigits(std::u16string_view text, size_t i, NumberParts& parts, size_t& fractionCount,
                  bool fraction) {
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (!parts.digits.empty() || text[i] != u'0') {
            parts.digits.push_back(char(text[i]));
        }
        if (fraction) {
            ++fractionCount;
        }
    }
    return i;
}

size_t ReadExponent(std::u16string_view text, size_t i, int64_t& exponent) {
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const size_t start = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        exponent = std::min(exponent * 10 + (text[i] - u'0'), ExponentLimit);
    }
    if (i == start) {
        RaiseTypeMismatch();
    }
    if (negative) {
        exponent = -exponent;
    }
    return i;
}

NumberParts SplitNumber(std::u16string_view text) {
    NumberParts parts;
    size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        parts.negative = text[i] == u'-';
        ++i;
    }
    size_t fractionCount = 0;
    const size_t integerStart = i;
    i = ReadDigits(text, i, parts, fractionCount, false);
    size_t digitCount = i - integerStart;
    if (i < text.size() && text[i] == u'.') {
        const size_t fractionStart = ++i;
        i = ReadDigits(text, i, parts, fractionCount, true);
        digitCount += i - fractionStart;
    }
    if (digitCount == 0) {
        RaiseTypeMismatch();
    }
    int64_t exponent = 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        i = ReadExponent(text, i + 1, exponent);
    }
    if (i != text.size()) {
        RaiseTypeMismatch();
    }
    parts.exponent = exponent - int64_t(fractionCount);
    return parts;
}

// The digits without their last `dropped` ones, rounded half to even; false when the
// result does not fit in 96 bits.
bool RoundDigits(const std::string& digits, int64_t dropped, Mantissa& result) {
    const int64_t count = int64_t(digits.size());
    const int64_t kept = std::max<int64_t>(count - dropped, 0);
    result = Mantissa{};
    for (int64_t i = 0; i < kept; ++i) {
        if (!result.MultiplyAdd(10, uint32_t(digits[size_t(i)] - '0'))) {
            return false;
        }
    }
    if (dropped == 0 || dropped > count) {
        return true;
    }
    const int first = digits[size_t(kept)] - '0';
    const bool sticky = digits.find_first_not_of('0', size_t(kept) + 1) != std::string::npos;
    const bool lastKeptOdd = kept > 0 && (digits[size_t(kept) - 1] - '0') % 2 == 1;
    const bool up = first > 5 || (first == 5 && (sticky || lastKeptOdd));
    return !up || result.MultiplyAdd(1, 1);
}

Mantissa WholeMantissa(const NumberParts& parts) {
    if (int64_t(parts.digits.size()) + parts.exponent > MaxDigits) {
        RaiseOverflow();
    }
    Mantissa m;
    if (!RoundDigits(parts.digits, 0, m)) {
        RaiseOverflow();
    }
    for (int64_t i = 0; i < parts.exponent; ++i) {
        if (!m.MultiplyAdd(10, 0)) {
            RaiseOverflow();
        }
    }
    return m;
}

} // namespace

Decimal::Decimal(int64_t value) : negative(value < 0) {
    const uint64_t magnitude = value < 0 ? 0 - uint64_t(value) : uint64_t(value);
    lo = uint32_t(magnitude);
    mid = uint32_t(magnitude >> 32);
}

Decimal Decimal::Parse(std::u16string_view text) {
    const NumberParts parts = SplitNumber(text);
    if (parts.digits.empty()) {
        const int64_t zeroScale = std::clamp<int64_t>(-parts.exponent, 0, MaxScale);
        return Decimal(0, 0, 0, int32_t(zeroScale), parts.negative);
    }
    if (parts.exponent >= 0) {
        const Mantissa m = WholeMantissa(parts);
        return Decimal(m.word[0], m.word[1], m.word[2], 0, parts.negative);
    }
    // Drop as few fractional digits as the scale limit and the 96 bits allow, rounding
    // once from the full digits each time.
    const int64_t places = -parts.exponent;
    const int64_t count = int64_t(parts.digits.size());
    for (int64_t dropped = std::max<int64_t>({places - MaxScale, count - MaxDigits, 0});
         dropped <= places; ++dropped) {
        Mantissa m;
        if (RoundDigits(parts.digits, dropped, m)) {
            return Decimal(m.word[0], m.word[1], m.word[2], int32_t(places - dropped),
                           parts.negative);
        }
    }
    RaiseOverflow();
}

int32_t Decimal::ToInt32() const {
    Mantissa m{{lo, mid, hi}};
    uint32_t first = 0;
    bool sticky = false;
    for (int32_t i = 0; i < scale; ++i) {
        sticky = sticky || first != 0;
        first = m.DivideByTen();
    }
    const bool odd = (m.word[0] & 1) != 0;
    if (first > 5 || (first == 5 && (sticky || odd))) {
        if (!m.MultiplyAdd(1, 1)) {
            RaiseOverflow();
        }
    }
    const uint64_t limit = IsNegative() ? 0x80000000ULL : 0x7FFFFFFFULL;
    if (m.word[1] != 0 || m.word[2] != 0 || m.word[0] > limit) {
        RaiseOverflow();
    }
    return IsNegative() ? int32_t(-int64_t(m.word[0])) : int32_t(m.word[0]);
}

std::u16string Decimal::ToText() const {
    Mantissa m{{lo, mid, hi}};
    std::u16string reversed;
    while (!m.IsZero() || int32_t(reversed.size()) <= scale) {
        reversed.push_back(char16_t(u'0' + m.DivideByTen()));
    }
    // Trailing fractional zeros say nothing about the value.
    size_t fractionStart = 0;
    int32_t fractionDigits = scale;
    while (fractionDigits > 0 && reversed[fractionStart] == u'0') {
        ++fractionStart;
        --fractionDigits;
    }
    std::u16string result;
    if (IsNegative()) {
        result.push_back(u'-');
    }
    for (size_t i = reversed.size(); i-- > fractionStart;) {
        if (int32_t(i - fractionStart) == fractionDigits - 1) {
            result.push_back(u'.');
        }
        result.push_back(reversed[i]);
    }
    return result;
}

} // namespace json
