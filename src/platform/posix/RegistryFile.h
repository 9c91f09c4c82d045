#pragma once

#include "platform/Os.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace platform::posix {

// A value as the 8-bit registry call gives it: strings in the ANSI code page with their
// terminating zero, dwords as four little-endian bytes, binary data as it is.
struct RegistryValue {
    uint32_t type = 0;
    std::string data;
};
using RegistryValues = std::map<std::u16string, RegistryValue>; // by lower-case name

// RegQueryValueEx on the values of an opened key: without a buffer, or with one too small,
// the size the value needs; else the value.
long QueryValue(const RegistryValues& values, std::u16string_view name, uint32_t& type,
                std::string* data, uint32_t& size);

// The registry as regedit would leave it after importing an export file ("REGEDIT4" or
// "Windows Registry Editor Version 5.00", UTF-16LE with its byte order mark or 8-bit):
// keys, values and their deletions applied in file order. Key and value names are
// case-insensitive; every parent of a listed key exists too.
class RegistryFile {
public:
    static RegistryFile Parse(std::string_view fileBytes);

    // The values of the key, or null when there is no such key.
    const RegistryValues* Find(RegistryKey root, std::u16string_view subKey) const;

private:
    using KeyPath = std::pair<RegistryKey, std::u16string>; // lower case, no outer "\"
    void AddKey(const KeyPath& path);
    std::optional<KeyPath> ApplyKeyLine(std::u16string_view name);
    void ApplyValueLine(const KeyPath& key, std::u16string_view line, bool version5);
    std::map<KeyPath, RegistryValues> keys;
};

// An export file parsed once and again only after its content changed: reading a large
// one costs little, parsing it far more, and the registry reader opens a key for every
// value it reads.
class RegistryFileCache {
public:
    // An empty registry when the file is missing or not an export.
    const RegistryFile& Get(const std::string& file);

private:
    std::string path;
    std::optional<std::string> bytes; // what the registry was parsed from
    RegistryFile registry;
};

} // namespace platform::posix
