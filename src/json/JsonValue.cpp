#include "json/JsonValue.h"

#include "text/RuntimeError.h"

#include "json/Collection.h"
#include "json/Dictionary.h"

namespace json {

namespace {

constexpr int32_t ErrorInvalidUseOfNull = 94;

[[noreturn]] void RaiseTypeMismatch() {
    throw text::RuntimeError(text::ErrorTypeMismatch, "Type mismatch");
}

} // namespace

JsonValue::JsonValue(std::shared_ptr<Dictionary> d) : value(std::move(d)) {}

JsonValue::JsonValue(std::shared_ptr<Collection> c) : value(std::move(c)) {}

const JsonValue& JsonValue::Empty() {
    static const JsonValue empty;
    return empty;
}

std::shared_ptr<Dictionary> JsonValue::AsDictionary() const noexcept {
    const auto* d = std::get_if<std::shared_ptr<Dictionary>>(&value);
    return d ? *d : nullptr;
}

std::shared_ptr<Collection> JsonValue::AsCollection() const noexcept {
    const auto* c = std::get_if<std::shared_ptr<Collection>>(&value);
    return c ? *c : nullptr;
}

std::u16string JsonValue::AsText() const {
    if (const auto* s = AsTextPointer()) {
        return *s;
    }
    if (const Decimal* d = AsDecimal()) {
        return d->ToText();
    }
    if (IsBoolean()) {
        return AsBoolean() ? u"True" : u"False";
    }
    if (IsEmpty() || IsNull()) {
        return {};
    }
    RaiseTypeMismatch();
}

int32_t JsonValue::AsInt32() const {
    if (const Decimal* d = AsDecimal()) {
        return d->ToInt32();
    }
    if (const auto* s = AsTextPointer()) {
        return Decimal::Parse(*s).ToInt32();
    }
    if (IsBoolean()) {
        return AsBoolean() ? -1 : 0;
    }
    if (IsEmpty()) {
        return 0;
    }
    if (IsNull()) {
        throw text::RuntimeError(ErrorInvalidUseOfNull, "Invalid use of Null");
    }
    RaiseTypeMismatch();
}

const JsonValue& JsonValue::operator[](std::u16string_view key) const& {
    const auto* d = std::get_if<std::shared_ptr<Dictionary>>(&value);
    return d && *d ? (*d)->Item(key) : Empty();
}

const JsonValue& JsonValue::operator[](int32_t index) const& {
    const auto* c = std::get_if<std::shared_ptr<Collection>>(&value);
    if (!c || !*c || index < 1 || index > (*c)->Count()) {
        return Empty();
    }
    return (*c)->Item(index);
}

} // namespace json
