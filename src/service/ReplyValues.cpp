#include "service/ReplyValues.h"

#include "json/Decimal.h"
#include "json/Dictionary.h"

namespace service {

namespace {

std::optional<json::Decimal> NumberOf(const json::JsonValue& value) {
    if (const json::Decimal* number = value.AsDecimal())
        return *number;
    if (const std::u16string* text = value.AsTextPointer()) {
        try {
            return json::Decimal::Parse(*text);
        } catch (...) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int32_t> WholeNumber(const json::JsonValue& value) {
    const std::optional<json::Decimal> number = NumberOf(value);
    if (!number)
        return std::nullopt;
    try {
        return number->ToInt32();
    } catch (...) {
        return std::nullopt;
    }
}

bool IsPositiveNumber(const json::JsonValue& value) {
    const std::optional<json::Decimal> number = NumberOf(value);
    return number && !number->IsZero() && !number->IsNegative();
}

std::u16string TextOf(const json::JsonValue& value) {
    if (value.IsDictionary() || value.IsCollection())
        return {};
    return value.AsText();
}

bool HasKey(const json::JsonValue& value, std::u16string_view key) {
    const auto object = value.AsDictionary();
    return object && object->Exists(key);
}

} // namespace service
