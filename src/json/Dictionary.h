#pragma once

#include "json/JsonValue.h"
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace json {

// An ordered map from exact (case-sensitive) keys to values, as a JSON object needs:
// entries keep the order they were added in, and a repeated key is refused.
class Dictionary {
public:
    using Entry = std::pair<std::u16string, JsonValue>;

    int32_t Count() const noexcept { return int32_t(entries.size()); }
    bool Exists(std::u16string_view key) const { return IndexOf(key) >= 0; }
    // The value under key, the empty value when the key is not present.
    const JsonValue& Item(std::u16string_view key) const;
    // Raises error 457 when the key is already present; nothing changes then, and the
    // arguments are left as they were.
    void Add(std::u16string&& key, JsonValue&& value);
    std::vector<std::u16string> keys() const;

    auto begin() const noexcept { return entries.begin(); }
    auto end() const noexcept { return entries.end(); }

private:
    // Small objects are searched in order; larger ones through a hash index of entry
    // positions, which stays valid however the entries vector moves.
    static constexpr size_t IndexFrom = 12;
    static constexpr size_t FirstSlotCount = 32; // a power of two: probes wrap by masking

    int64_t IndexOf(std::u16string_view key) const;
    void IndexEntry(size_t entry);
    void Rebuild(size_t slotCount);

    std::vector<Entry> entries;
    std::vector<uint32_t> slots; // entry position + 1; 0 is a free slot
};

} // namespace json
