#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The text forms the 8-bit ("A") calls take and give, in the ANSI code page.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view bytes);

// Zero-terminated UTF-16 for the wide ("W") calls.
std::wstring ToWide(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);

// Conversions between UTF-16 and one code page (CP_ACP, 65001, ...).
std::string WideToMultiByte(unsigned codePage, std::u16string_view text);
std::u16string MultiByteToWide(unsigned codePage, std::string_view bytes);

} // namespace platform::win32
