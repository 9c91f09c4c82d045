#pragma once

#include "json/Decimal.h"
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace json {

class Dictionary;
class Collection;

// The null of JSON, distinct from the empty value that holds nothing.
struct Null {
    friend bool operator==(Null, Null) { return true; }
};

// One parsed value. Lookups never fail: a missing key, an index outside the array or a
// lookup on a value of another kind gives the empty value, so that a caller can write
// reply[u"RS"][1][u"ID"] and test the end of the chain.
class JsonValue {
public:
    using Variant = std::variant<std::monostate, Null, bool, Decimal, std::u16string,
                                 std::shared_ptr<Dictionary>, std::shared_ptr<Collection>>;

    JsonValue() = default;
    JsonValue(Null) : value(Null{}) {}
    // Only a real bool: pointers and numbers must not turn into booleans silently.
    template <typename T>
    requires std::same_as<T, bool> JsonValue(T b) : value(b) {}
    JsonValue(Decimal d) : value(d) {}
    JsonValue(std::u16string s) : value(std::move(s)) {}
    JsonValue(const char16_t* s) : value(std::u16string(s)) {}
    JsonValue(std::shared_ptr<Dictionary> d);
    JsonValue(std::shared_ptr<Collection> c);

    bool IsEmpty() const noexcept { return std::holds_alternative<std::monostate>(value); }
    bool IsNull() const noexcept { return std::holds_alternative<Null>(value); }
    bool IsBoolean() const noexcept { return std::holds_alternative<bool>(value); }
    bool IsNumber() const noexcept { return std::holds_alternative<Decimal>(value); }
    bool IsText() const noexcept { return std::holds_alternative<std::u16string>(value); }
    bool IsDictionary() const noexcept { return AsDictionary() != nullptr; }
    bool IsCollection() const noexcept { return AsCollection() != nullptr; }

    // The value read as text: text as it is, numbers as Decimal::ToText, booleans as
    // "True"/"False", empty and null as the empty text; a container raises error 13.
    std::u16string AsText() const;
    // The value as a whole number, halves to even: numbers and numeric texts convert,
    // booleans give -1/0, empty gives 0; null raises 94, any other text or a container
    // raises 13, a value outside the range raises 6.
    int32_t AsInt32() const;
    // Non-throwing views of one kind; nullptr or false when the value is another kind.
    const Decimal* AsDecimal() const noexcept { return std::get_if<Decimal>(&value); }
    const std::u16string* AsTextPointer() const noexcept {
        return std::get_if<std::u16string>(&value);
    }
    bool AsBoolean() const noexcept { return IsBoolean() && std::get<bool>(value); }
    std::shared_ptr<Dictionary> AsDictionary() const noexcept;
    std::shared_ptr<Collection> AsCollection() const noexcept;

    // Member of an object (exact key) or element of an array (1-based). The result
    // refers into this value's container, so a lookup on a temporary, whose container may
    // go with it, does not compile: keep the parsed reply in a variable first.
    const JsonValue& operator[](std::u16string_view key) const&;
    const JsonValue& operator[](int32_t index) const&;
    const JsonValue& operator[](std::u16string_view key) const&& = delete;
    const JsonValue& operator[](int32_t index) const&& = delete;

    const Variant& Raw() const noexcept { return value; }

    // The one empty value that failed lookups refer to.
    static const JsonValue& Empty();

private:
    Variant value;
};

} // namespace json
