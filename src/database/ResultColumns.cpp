#include "database/ResultColumns.h"

#include "text/Text.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>

namespace database {

namespace {

using firebird::SqlVariable;

inline constexpr int16_t CoercedTextLength = 128;

int16_t BaseType(const SqlVariable& column) {
    return static_cast<int16_t>(column.sqltype & ~firebird::SqlNullableFlag);
}

bool IsReadNatively(int16_t type) {
    switch (type) {
    case firebird::SqlText:
    case firebird::SqlVarying:
    case firebird::SqlShort:
    case firebird::SqlLong:
    case firebird::SqlInt64:
    case firebird::SqlFloat:
    case firebird::SqlDouble:
    case firebird::SqlBlob:
        return true;
    default:
        return false;
    }
}

size_t BufferBytes(const SqlVariable& column) {
    size_t bytes = static_cast<size_t>(column.sqllen);
    if (BaseType(column) == firebird::SqlVarying)
        bytes += sizeof(int16_t);
    return bytes;
}

template <typename Whole> Whole Read(const char* data) {
    Whole value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

// A scaled whole number as decimal text: 1250 with scale -2 is "12.50".
std::u16string ScaledDecimalText(int64_t value, int16_t scale) {
    uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char buffer[24];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
    std::u16string digits =
        text::FromAscii(std::string_view(buffer, static_cast<size_t>(end - buffer)));
    if (scale < 0) {
        size_t decimals = static_cast<size_t>(-scale);
        if (digits.size() <= decimals)
            digits.insert(0, decimals + 1 - digits.size(), u'0');
        digits.insert(digits.size() - decimals, 1, u'.');
    } else {
        digits.append(static_cast<size_t>(scale), u'0');
    }
    return value < 0 ? u"-" + digits : digits;
}

std::u16string FloatingText(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return text::FromAscii(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

FieldValue Decode(const SqlVariable& column, const CharacterSet& characterSet) {
    const char* data = column.sqldata;
    switch (BaseType(column)) {
    case firebird::SqlText:
        return FieldValue::Text(
            characterSet.Decode(std::string_view(data, static_cast<size_t>(column.sqllen))));
    case firebird::SqlVarying:
        return FieldValue::Text(characterSet.Decode(
            std::string_view(data + sizeof(int16_t), static_cast<size_t>(Read<int16_t>(data)))));
    case firebird::SqlShort:
        return FieldValue::Number(ScaledDecimalText(Read<int16_t>(data), column.sqlscale));
    case firebird::SqlLong:
        return FieldValue::Number(ScaledDecimalText(Read<int32_t>(data), column.sqlscale));
    case firebird::SqlInt64:
        return FieldValue::Number(ScaledDecimalText(Read<int64_t>(data), column.sqlscale));
    case firebird::SqlFloat:
        return FieldValue::Number(FloatingText(Read<float>(data)));
    default:
        return FieldValue::Number(FloatingText(Read<double>(data)));
    }
}

} // namespace

void ResultColumns::FreeArea::operator()(firebird::SqlDescriptorArea* area) const {
    std::free(area);
}

ResultColumns::ResultColumns(int16_t room) {
    size_t bytes = sizeof(firebird::SqlDescriptorArea) +
                   static_cast<size_t>(room > 1 ? room - 1 : 0) * sizeof(SqlVariable);
    auto* raw = static_cast<firebird::SqlDescriptorArea*>(std::calloc(1, bytes));
    if (!raw)
        throw std::bad_alloc();
    area.reset(raw);
    area->version = firebird::SqlDescriptorVersion;
    area->sqln = room;
}

void ResultColumns::Bind() {
    buffers.assign(Count(), Buffer{});
    for (size_t index = 0; index < Count(); ++index) {
        SqlVariable& column = area->sqlvar[index];
        if (!IsReadNatively(BaseType(column))) {
            column.sqltype = firebird::SqlVarying;
            column.sqlscale = 0;
            column.sqllen = CoercedTextLength;
        }
        column.sqltype |= firebird::SqlNullableFlag;
        Buffer& buffer = buffers[index];
        buffer.data.assign(BufferBytes(column) / sizeof(int64_t) + 1, 0);
        column.sqldata = reinterpret_cast<char*>(buffer.data.data());
        column.sqlind = &buffer.indicator;
    }
}

void ResultColumns::ReadBlobs(const std::function<std::string(firebird::BlobId)>& readBlob) {
    for (size_t index = 0; index < Count(); ++index) {
        const SqlVariable& column = area->sqlvar[index];
        Buffer& buffer = buffers[index];
        buffer.blob.clear();
        if (BaseType(column) == firebird::SqlBlob && buffer.indicator >= 0)
            buffer.blob = readBlob(Read<firebird::BlobId>(column.sqldata));
    }
}

std::u16string ResultColumns::Alias(size_t index, const CharacterSet& characterSet) const {
    const SqlVariable& column = area->sqlvar[index];
    return characterSet.Decode(
        std::string_view(column.aliasname, static_cast<size_t>(column.aliasname_length)));
}

FieldValue ResultColumns::Value(size_t index, const CharacterSet& characterSet) const {
    const SqlVariable& column = area->sqlvar[index];
    if (*column.sqlind < 0)
        return FieldValue();
    if (BaseType(column) == firebird::SqlBlob)
        return FieldValue::Text(characterSet.Decode(buffers[index].blob));
    return Decode(column, characterSet);
}

} // namespace database
