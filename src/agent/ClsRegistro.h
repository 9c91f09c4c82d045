#pragma once

#include "platform/Os.h"

#include <cstdint>
#include <string>

namespace agent {

// The predefined registry roots, with the operating system's own handle values.
inline constexpr uint32_t HkeyClassesRoot = 0x80000000;
inline constexpr uint32_t HkeyCurrentUser = 0x80000001;
inline constexpr uint32_t HkeyLocalMachine = 0x80000002;
inline constexpr uint32_t HkeyUsers = 0x80000003;
inline constexpr uint32_t HkeyPerformanceData = 0x80000004;
inline constexpr uint32_t HkeyCurrentConfig = 0x80000005;
inline constexpr uint32_t HkeyDynData = 0x80000006;

// Reads one registry value as text. Create one per read; it only ever reads.
class ClsRegistro {
public:
    explicit ClsRegistro(platform::Os& os) : os(os) {}

    // The value as text (strings and raw bytes as stored, 32-bit numbers as signed
    // decimal), or the empty text when the key or value is missing, unreadable or of
    // another type. `hKey` is the root used when `sKey` names none.
    std::u16string ReadRegKey(std::u16string sKey, std::u16string sValue = u"", uint32_t hKey = 0);

private:
    // Cuts the root off the path and returns its handle.
    static platform::RegistryKey SplitRootKey(std::u16string& sKey, uint32_t hKey);

    platform::Os& os;
};

} // namespace agent
