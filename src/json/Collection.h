#pragma once

#include "json/JsonValue.h"
#include <cstdint>
#include <vector>

namespace json {

// The elements of a JSON array in reading order; the first has index 1.
class Collection {
public:
    int32_t Count() const noexcept { return int32_t(items.size()); }
    // Raises error 9 for an index outside 1..Count.
    const JsonValue& Item(int32_t index) const;
    void Add(JsonValue value);

    auto begin() const noexcept { return items.begin(); }
    auto end() const noexcept { return items.end(); }

private:
    std::vector<JsonValue> items;
};

} // namespace json
