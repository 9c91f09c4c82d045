#include "json/Collection.h"

#include "text/RuntimeError.h"

namespace json {

const JsonValue& Collection::Item(int32_t index) const {
    if (index < 1 || index > Count()) {
        throw text::RuntimeError(text::ErrorOutOfRange, "Subscript out of range");
    }
    return items[size_t(index) - 1];
}

void Collection::Add(JsonValue value) {
    items.push_back(std::move(value));
}

} // namespace json
