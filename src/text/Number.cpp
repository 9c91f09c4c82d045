#include "text/Number.h"

#include "text/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace text {

namespace {

bool IsSkipped(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsExponentMark(char16_t c) {
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}
bool IsSign(char16_t c) {
    return c == u'+' || c == u'-';
}

// Reads the leading number as plain ASCII ("-12.5e3"), skipping blanks between any two
// characters. An exponent mark with no digit after it is not part of the number.
class LeadingNumber {
public:
    explicit LeadingNumber(std::u16string_view s) : source(s) {}

    std::string Read() {
        if (IsSign(Peek())) {
            Take();
        }
        TakeDigits();
        if (Peek() == u'.') {
            Take();
            TakeDigits();
        }
        if (digitCount > 0 && IsExponentMark(Peek())) {
            TakeExponent();
        }
        return digitCount > 0 ? ascii : std::string();
    }

private:
    char16_t Peek() {
        while (at < source.size() && IsSkipped(source[at])) {
            ++at;
        }
        return at < source.size() ? source[at] : u'\0';
    }

    void Take() { ascii.push_back(char(source[at++])); }

    void TakeDigits() {
        while (IsDigit(Peek())) {
            Take();
            ++digitCount;
        }
    }

    void TakeExponent() {
        const size_t markAt = at;
        const size_t keptLength = ascii.size();
        ++at;
        std::string exponent = "e";
        if (IsSign(Peek())) {
            exponent.push_back(char(source[at++]));
        }
        bool anyDigit = false;
        while (IsDigit(Peek())) {
            exponent.push_back(char(source[at++]));
            anyDigit = true;
        }
        if (anyDigit) {
            ascii += exponent;
        } else {
            at = markAt;
            ascii.resize(keptLength);
        }
    }

    std::u16string_view source;
    size_t at = 0;
    std::string ascii;
    int digitCount = 0;
};

// Exponent digits beyond this many cannot change which side of the range a value is on.
long ReadExponent(const std::string& number, size_t mark) {
    if (mark == std::string::npos) {
        return 0;
    }
    long exponent = 0;
    for (size_t i = mark + 1; i < number.size(); ++i) {
        if (number[i] >= '0' && number[i] <= '9') {
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000000L);
        }
    }
    return number.find('-', mark) == std::string::npos ? exponent : -exponent;
}

// from_chars does not tell an overflow from an underflow: a value whose first
// significant digit stands left of the point is too large, anything else is too small
// to represent and reads as 0.
bool IsTooLarge(const std::string& number) {
    const size_t mark = number.find('e');
    const std::string mantissa = number.substr(0, mark);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    const long leadingPower = first < point ? long(point - first - 1) : -long(first - point);
    return leadingPower + ReadExponent(number, mark) >= 0;
}

} // namespace

double Val(std::u16string_view s) {
    std::string number = LeadingNumber(s).Read();
    if (number.empty()) {
        return 0.0;
    }
    const bool negative = number.front() == '-';
    if (IsSign(number.front())) {
        number.erase(0, 1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (IsTooLarge(number)) {
            throw RuntimeError(ErrorOverflow, "Overflow");
        }
        value = 0.0;
    }
    return negative ? -value : value;
}

int32_t RoundToInt32(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RuntimeError(ErrorOverflow, "Overflow");
    }
    return int32_t(rounded);
}

} // namespace text
