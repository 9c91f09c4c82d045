#pragma once

#include <string>

namespace database {

// One column of the current row: NULL, a number (kept as its decimal text) or a text.
class FieldValue {
public:
    FieldValue() = default; // NULL
    static FieldValue Text(std::u16string value) { return FieldValue(std::move(value), false); }
    static FieldValue Number(std::u16string decimalText) {
        return FieldValue(std::move(decimalText), true);
    }

    bool IsNull() const { return isNull; }
    bool IsNumber() const { return isNumber; }
    // The value as text. A NULL has none: asking for it raises the "Invalid use of Null"
    // error (94).
    const std::u16string& Value() const;

private:
    FieldValue(std::u16string value, bool number)
        : isNull(false), isNumber(number), text(std::move(value)) {}

    bool isNull = true;
    bool isNumber = false;
    std::u16string text;
};

} // namespace database
