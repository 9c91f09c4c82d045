#pragma once

#include <cstdint>
#include <string_view>

namespace text {

// The platform's leading-number reading: blanks, tabs and line feeds are skipped,
// reading stops at the first character that cannot continue a decimal number, and no
// number gives 0.
double Val(std::u16string_view s);

// Nearest 32-bit whole number, halves to the even neighbour; outside the range raises
// the overflow error (6).
int32_t RoundToInt32(double value);

} // namespace text
