#include "platform/win32/AnsiText.h"

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

std::string WideToMultiByte(unsigned codePage, std::u16string_view text) {
    if (text.empty())
        return {};
    auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = int(text.size());
    const int needed =
        ::WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(needed > 0 ? needed : 0), '\0');
    if (needed > 0)
        ::WideCharToMultiByte(codePage, 0, wide, length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::u16string MultiByteToWide(unsigned codePage, std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int length = int(bytes.size());
    const int needed = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::u16string text(size_t(needed > 0 ? needed : 0), u'\0');
    if (needed > 0)
        ::MultiByteToWideChar(codePage, 0, bytes.data(), length,
                              reinterpret_cast<wchar_t*>(text.data()), needed);
    return text;
}

std::string ToAnsi(std::u16string_view text) {
    return WideToMultiByte(CP_ACP, text);
}

std::u16string FromAnsi(std::string_view bytes) {
    return MultiByteToWide(CP_ACP, bytes);
}

std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace platform::win32
