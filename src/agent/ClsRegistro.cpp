#include "agent/ClsRegistro.h"

#include "text/Text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace agent {

using platform::RegistryKey;

namespace {

struct RootKey {
    std::u16string_view name;
    std::u16string_view prefix;
    uint32_t handle;
};

// Abbreviations are tried in this order.
constexpr std::array<RootKey, 7> RootKeys{{
    {u"HKEY_CLASSES_ROOT", u"HKCR\\", HkeyClassesRoot},
    {u"HKEY_CURRENT_USER", u"HKCU\\", HkeyCurrentUser},
    {u"HKEY_LOCAL_MACHINE", u"HKLM\\", HkeyLocalMachine},
    {u"HKEY_USERS", u"HKU\\", HkeyUsers},
    {u"HKEY_CURRENT_CONFIG", u"HKCC\\", HkeyCurrentConfig},
    {u"HKEY_DYN_DATA", u"HKDD\\", HkeyDynData},
    {u"HKEY_PERFORMANCE_DATA", u"HKPD\\", HkeyPerformanceData},
}};

bool IsPredefinedRoot(uint32_t hKey) {
    return hKey >= HkeyClassesRoot && hKey <= HkeyDynData;
}

uint32_t HandleOfRootName(std::u16string_view name) {
    for (const RootKey& root : RootKeys)
        if (root.name == name)
            return root.handle;
    return HkeyClassesRoot;
}

std::u16string WithoutOneTrailingBackslash(std::u16string path) {
    if (!path.empty() && path.back() == u'\\')
        path.pop_back();
    return path;
}

// The root name written in full ("HKEY_..." before the first backslash), cut off the path.
std::u16string CutFullRootName(std::u16string& path) {
    const size_t slash = path.find(u'\\');
    std::u16string name = path.substr(0, slash);
    path = slash == std::u16string::npos ? std::u16string() : path.substr(slash + 1);
    return name;
}

// The root name of a matching abbreviation prefix, cut off the path.
std::optional<std::u16string> CutAbbreviatedRootName(std::u16string& path) {
    for (const RootKey& root : RootKeys)
        if (text::StartsWith(path, root.prefix)) {
            path.erase(0, root.prefix.size());
            return std::u16string(root.name);
        }
    return std::nullopt;
}

// Closes the opened key however the read ends.
class OpenedKey {
public:
    OpenedKey(platform::Os& os, RegistryKey key) : os(os), key(key) {}
    ~OpenedKey() { os.RegCloseKey(key); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

private:
    platform::Os& os;
    RegistryKey key;
};

std::u16string ReadStoredBytes(platform::Os& os, RegistryKey key, std::u16string_view name,
                               uint32_t size) {
    uint32_t type = 0;
    uint32_t bufferSize = size;
    std::string data;
    os.RegQueryValueEx(key, name, type, &data, bufferSize);
    // The last byte is the terminating zero of a string; raw bytes lose it too.
    data.resize(std::min<size_t>(data.size(), size - 1));
    return os.MultiByteToWideChar(platform::CodePageAnsi, data);
}

std::u16string ReadNumber(platform::Os& os, RegistryKey key, std::u16string_view name) {
    uint32_t type = 0;
    uint32_t bufferSize = 4;
    std::string data;
    os.RegQueryValueEx(key, name, type, &data, bufferSize);
    uint32_t bits = 0;
    for (size_t i = 0; i < 4 && i < data.size(); ++i)
        bits |= uint32_t(uint8_t(data[i])) << (8 * i);
    return text::FromInt(int32_t(bits));
}

} // namespace

RegistryKey ClsRegistro::SplitRootKey(std::u16string& sKey, uint32_t hKey) {
    sKey = WithoutOneTrailingBackslash(text::Trim(sKey));
    std::optional<std::u16string> rootName;
    if (sKey.find(u"HKEY_") != std::u16string::npos)
        rootName = CutFullRootName(sKey);
    else
        rootName = CutAbbreviatedRootName(sKey);
    if (!rootName)
        return IsPredefinedRoot(hKey) ? hKey : HkeyClassesRoot;
    return HandleOfRootName(*rootName);
}

std::u16string ClsRegistro::ReadRegKey(std::u16string sKey, std::u16string sValue, uint32_t hKey) {
    const RegistryKey root = SplitRootKey(sKey, hKey);
    RegistryKey key = 0;
    if (os.RegOpenKeyEx(root, sKey, platform::KeyRead, key) != platform::RegistrySuccess)
        return {};
    const OpenedKey opened(os, key);
    uint32_t type = 0;
    uint32_t size = 0;
    os.RegQueryValueEx(key, sValue, type, nullptr, size);
    if (size == 0)
        return {};
    switch (type) {
    case platform::RegistryTypeString:
    case platform::RegistryTypeExpandString:
    case platform::RegistryTypeBinary:
        return ReadStoredBytes(os, key, sValue, size);
    case platform::RegistryTypeDword:
        return ReadNumber(os, key, sValue);
    default:
        return {};
    }
}

} // namespace agent
