#include "identity/IniSettings.h"

#include "text/Text.h"

namespace identity {

namespace {

inline constexpr uint32_t IniBufferLength = 32000;

} // namespace

std::u16string ReadIniString(platform::Os& os, std::u16string_view fileName,
                             std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue) {
    std::u16string value =
        os.GetPrivateProfileString(section, key, defaultValue, IniBufferLength, fileName);
    return value.empty() ? std::u16string(defaultValue) : value;
}

std::u16string ReadIniValue(platform::Os& os, std::u16string_view fileName,
                            std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) {
    std::u16string normalisedKey = text::ReplaceAll(text::Trim(key), u" ", u"_");
    std::u16string value = ReadIniString(os, fileName, section, normalisedKey);
    if (value.empty())
        value = ReadIniString(os, fileName, section, key, defaultValue);
    return value;
}

} // namespace identity
