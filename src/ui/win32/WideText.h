#pragma once

#include "text/Encoding.h"
#include "ui/win32/Win32Api.h"

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

// A window's text, whole.
inline std::wstring WindowText(HWND window) {
    std::wstring text(size_t(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(::GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

} // namespace ui::win32
