#include "json/Dictionary.h"

#include "text/RuntimeError.h"

#include <functional>

namespace json {

namespace {

size_t HashOf(std::u16string_view key) {
    return std::hash<std::u16string_view>{}(key);
}

} // namespace

const JsonValue& Dictionary::Item(std::u16string_view key) const {
    const int64_t i = IndexOf(key);
    return i < 0 ? JsonValue::Empty() : entries[size_t(i)].second;
}

void Dictionary::Add(std::u16string&& key, JsonValue&& value) {
    if (Exists(key)) {
        throw text::RuntimeError(text::ErrorDuplicateKey,
                                 "This key is already associated with an element of this "
                                 "collection");
    }
    entries.emplace_back(std::move(key), std::move(value));
    if (!slots.empty()) {
        if (entries.size() * 2 > slots.size()) {
            Rebuild(slots.size() * 2);
        } else {
            IndexEntry(entries.size() - 1);
        }
    } else if (entries.size() >= IndexFrom) {
        Rebuild(FirstSlotCount);
    }
}

std::vector<std::u16string> Dictionary::keys() const {
    std::vector<std::u16string> result;
    result.reserve(entries.size());
    for (const Entry& e : entries) {
        result.push_back(e.first);
    }
    return result;
}

int64_t Dictionary::IndexOf(std::u16string_view key) const {
    if (slots.empty()) {
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].first == key) {
                return int64_t(i);
            }
        }
        return -1;
    }
    const size_t mask = slots.size() - 1;
    for (size_t s = HashOf(key) & mask; slots[s] != 0; s = (s + 1) & mask) {
        const size_t i = slots[s] - 1;
        if (entries[i].first == key) {
            return int64_t(i);
        }
    }
    return -1;
}

void Dictionary::IndexEntry(size_t entry) {
    const size_t mask = slots.size() - 1;
    size_t s = HashOf(entries[entry].first) & mask;
    while (slots[s] != 0) {
        s = (s + 1) & mask;
    }
    slots[s] = uint32_t(entry + 1);
}

void Dictionary::Rebuild(size_t slotCount) {
    slots.assign(slotCount, 0);
    for (size_t i = 0; i < entries.size(); ++i) {
        IndexEntry(i);
    }
}

} // namespace json
