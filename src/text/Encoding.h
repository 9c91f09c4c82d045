#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// Conversions at the program's edges. Invalid UTF-8 sequences and unpaired surrogates
// become U+FFFD; characters a single-byte code page lacks become "?".
std::u16string Utf8ToUtf16(std::string_view bytes);
std::string Utf16ToUtf8(std::u16string_view text);
bool IsValidUtf8(std::string_view bytes);

// How much the bytes look like UTF-8: their well-formed sequences of two bytes or more,
// and the bytes that belong to no well-formed sequence.
struct Utf8Census {
    size_t multiByteSequences = 0;
    size_t invalidBytes = 0;
};
Utf8Census CountUtf8(std::string_view bytes);

// Code page 1252; every byte 0 to 255 round-trips (the five bytes the code page leaves
// undefined map to U+0081, U+008D, U+008F, U+0090 and U+009D). Like Windows' ANSI calls,
// the encoding gives one "?" per UTF-16 unit it cannot map, so two for a character beyond
// U+FFFF.
std::u16string Cp1252ToUtf16(std::string_view bytes);
std::string Utf16ToCp1252(std::u16string_view text);

// UTF-16 little-endian bytes, as Windows writes its Unicode files; an odd last byte is
// dropped.
std::u16string Utf16LeToUtf16(std::string_view bytes);

// A 32-bit number as its four bytes, lowest first: a registry dword, a number in the
// database client's parameters.
std::string LittleEndianBytes(uint32_t value);

// ISO-8859-1, the database's character set.
std::u16string Latin1ToUtf16(std::string_view bytes);
std::string Utf16ToLatin1(std::u16string_view text);

} // namespace text
