#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

// The predefined roots are 32-bit values that the system sign-extends in a 64-bit
// process (HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 there); opened keys pass unchanged.
HKEY AsKey(RegistryKey key) {
    if (key >= 0x80000000u && key <= 0x80000006u)
        return reinterpret_cast<HKEY>(intptr_t(int32_t(uint32_t(key))));
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long Win32Os::RegOpenKeyEx(RegistryKey root, std::u16string_view subKey, uint32_t access,
                           RegistryKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status = ::RegOpenKeyExA(AsKey(root), ToAnsi(subKey).c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

long Win32Os::RegQueryValueEx(RegistryKey key, std::u16string_view valueName, uint32_t& type,
                              std::string* data, uint32_t& size) {
    const std::string name = ToAnsi(valueName);
    DWORD valueType = 0;
    DWORD byteCount = data ? size : 0;
    std::string buffer(data ? size : 0, '\0');
    const LSTATUS status =
        ::RegQueryValueExA(AsKey(key), name.c_str(), nullptr, &valueType,
                           data ? reinterpret_cast<BYTE*>(buffer.data()) : nullptr, &byteCount);
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) {
        // The system leaves the size undefined here; no value means no data.
        size = 0;
        return status;
    }
    type = valueType;
    size = byteCount;
    if (data && status == ERROR_SUCCESS)
        *data = buffer.substr(0, byteCount);
    return status;
}

void Win32Os::RegCloseKey(RegistryKey key) {
    if (key)
        ::RegCloseKey(AsKey(key));
}

} // namespace platform::win32
