#pragma once

#include "text/Encoding.h"

#include <string>
#include <string_view>

namespace ui::win32 {

// The front end's one conversion between the program's texts and the system's wide
// ones. Both are UTF-16, unit for unit; the texts of exceptions are UTF-8.
inline std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::wstring WideFromUtf8(std::string_view bytes) {
    return Wide(text::Utf8ToUtf16(bytes));
}

inline std::u16string FromWide(std::wstring_view text) {
    return {text.begin(), text.end()};
}

} // namespace ui::win32
