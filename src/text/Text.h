#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// Leading and trailing blanks (spaces) removed.
std::u16string Trim(std::u16string_view s);
// Case pairs of ASCII, Latin-1 and Latin Extended-A (which holds the other letters of
// code page 1252); everything else stays as it is.
std::u16string ToLower(std::u16string_view s);
std::u16string ToUpper(std::u16string_view s);
bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b);
bool ContainsIgnoreCase(std::u16string_view haystack, std::u16string_view needle);
bool StartsWith(std::u16string_view s, std::u16string_view prefix);
// Every occurrence, from the start, exact match; an empty find text changes nothing.
std::u16string ReplaceAll(std::u16string_view s, std::u16string_view find,
                          std::u16string_view replacement);
// 1-based position of needle at or after the 1-based start, 0 when absent. A start below 1
// counts as 1; an empty needle is found at the start while the start lies inside s.
int32_t Find(std::u16string_view haystack, std::u16string_view needle, int32_t start = 1);
// Decimal text of a whole number, "-" in front when negative.
std::u16string FromInt(int64_t value);

// The value of a hexadecimal digit, either case; -1 for any other character.
int HexDigitValue(char16_t c);
// ASCII-only text as UTF-16, for literals built at run time.
std::u16string FromAscii(std::string_view ascii);

} // namespace text
