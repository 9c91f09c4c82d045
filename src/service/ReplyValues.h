#pragma once

#include "json/JsonValue.h"
#include <cstdint>
#include <optional>
#include <string>

namespace service {

// Reading the service's replies without surprises: a missing value, a value of another
// kind or a number out of range reads as nothing, never as 0 and never as a failure.

// A number, or a text holding one, as a 32-bit whole number (halves to even).
std::optional<int32_t> WholeNumber(const json::JsonValue& value);
// A number, or a text holding one, greater than 0.
bool IsPositiveNumber(const json::JsonValue& value);
// A plain value as text (a number as its decimal text); an object or array, null and
// the empty value give the empty text.
std::u16string TextOf(const json::JsonValue& value);
// True when the value is an object that has the key, whatever its value.
bool HasKey(const json::JsonValue& value, std::u16string_view key);

} // namespace service
