#pragma once

#include "json/Dictionary.h"
#include "json/JsonValue.h"
#include <string>
#include <vector>

namespace json::testing {

using Keys = std::vector<std::u16string>;

// The keys of a parsed object in reading order; none for anything else.
inline Keys KeysOf(const JsonValue& v) {
    return v.AsDictionary() ? v.AsDictionary()->keys() : Keys{};
}

} // namespace json::testing
