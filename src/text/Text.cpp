#include "text/Text.h"

#include <algorithm>

namespace text {

namespace {

// Latin Extended-A pairs a capital with the next code unit; between U+0139 and U+0148
// and between U+0179 and U+017E the capital sits on the odd code unit.
bool IsExtendedACapital(char16_t c) {
    if (c >= 0x0100 && c <= 0x0137 && c != 0x0130) {
        return c % 2 == 0;
    }
    if (c >= 0x0139 && c <= 0x0148) {
        return c % 2 == 1;
    }
    if (c >= 0x014A && c <= 0x0177) {
        return c % 2 == 0;
    }
    if (c >= 0x0179 && c <= 0x017E) {
        return c % 2 == 1;
    }
    return false;
}

bool IsExtendedASmall(char16_t c) {
    return c != 0x0131 && c >= 0x0101 && c <= 0x017E && IsExtendedACapital(char16_t(c - 1));
}

char16_t LowerChar(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7)) {
        return char16_t(c + 0x20);
    }
    if (c == 0x0178) {
        return 0x00FF;
    }
    if (IsExtendedACapital(c)) {
        return char16_t(c + 1);
    }
    return c;
}

char16_t UpperChar(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7)) {
        return char16_t(c - 0x20);
    }
    if (c == 0x00FF) {
        return 0x0178;
    }
    if (IsExtendedASmall(c)) {
        return char16_t(c - 1);
    }
    return c;
}

bool SameIgnoringCase(char16_t a, char16_t b) {
    return LowerChar(a) == LowerChar(b);
}

} // namespace

std::u16string Trim(std::u16string_view s) {
    const size_t first = s.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const size_t last = s.find_last_not_of(u' ');
    return std::u16string(s.substr(first, last - first + 1));
}

std::u16string ToLower(std::u16string_view s) {
    std::u16string result(s);
    std::transform(result.begin(), result.end(), result.begin(), LowerChar);
    return result;
}

std::u16string ToUpper(std::u16string_view s) {
    std::u16string result(s);
    std::transform(result.begin(), result.end(), result.begin(), UpperChar);
    return result;
}

bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameIgnoringCase);
}

bool ContainsIgnoreCase(std::u16string_view haystack, std::u16string_view needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                       SameIgnoringCase) != haystack.end() ||
           needle.empty();
}

bool StartsWith(std::u16string_view s, std::u16string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::u16string ReplaceAll(std::u16string_view s, std::u16string_view find,
                          std::u16string_view replacement) {
    if (find.empty()) {
        return std::u16string(s);
    }
    std::u16string result;
    result.reserve(s.size());
    size_t from = 0;
    for (size_t at = s.find(find); at != std::u16string_view::npos; at = s.find(find, from)) {
        result.append(s.substr(from, at - from));
        result.append(replacement);
        from = at + find.size();
    }
    result.append(s.substr(from));
    return result;
}

int32_t Find(std::u16string_view haystack, std::u16string_view needle, int32_t start) {
    const size_t from = size_t(std::max(start, int32_t(1)) - 1);
    if (from > haystack.size() || (needle.empty() && from == haystack.size())) {
        return 0;
    }
    const size_t at = haystack.find(needle, from);
    return at == std::u16string_view::npos ? 0 : int32_t(at + 1);
}

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

std::u16string FromInt(int64_t value) {
    // Work on the negative side so that the smallest value needs no special case.
    const bool negative = value < 0;
    int64_t rest = negative ? value : -value;
    std::u16string digits;
    do {
        digits.push_back(char16_t(u'0' - rest % 10));
        rest /= 10;
    } while (rest != 0);
    if (negative) {
        digits.push_back(u'-');
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::u16string FromAscii(std::string_view ascii) {
    std::u16string result(ascii.size(), u'\0');
    std::transform(ascii.begin(), ascii.end(), result.begin(),
                   [](char c) { return char16_t(static_cast<unsigned char>(c)); });
    return result;
}

} // namespace text
