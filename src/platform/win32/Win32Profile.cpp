#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

#include <vector>

namespace platform::win32 {

std::u16string Win32Os::GetPrivateProfileString(std::u16string_view section,
                                                std::u16string_view key,
                                                std::u16string_view defaultValue,
                                                uint32_t bufferSize, std::u16string_view fileName) {
    if (bufferSize == 0)
        return std::u16string(defaultValue);
    std::vector<char> buffer(bufferSize, '\0');
    const std::string defaultAnsi = ToAnsi(defaultValue);
    const DWORD length = ::GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(),
                                                    defaultAnsi.c_str(), buffer.data(), bufferSize,
                                                    ToAnsi(fileName).c_str());
    // An empty value reports 0 characters, which reads as the default as well.
    if (length == 0)
        return std::u16string(defaultValue);
    return FromAnsi(std::string_view(buffer.data(), length));
}

} // namespace platform::win32
