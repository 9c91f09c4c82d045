#include "text/Encoding.h"

#include <array>
#include <cstdint>

namespace text {

namespace {

constexpr char16_t Replacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// One step of UTF-8 decoding. A broken sequence yields U+FFFD for its longest valid
// beginning, so that the byte which broke it starts the next step.
struct Utf8Step {
    char32_t codePoint;
    size_t length;
    bool valid;
};

// The range the second byte must fall in for the lead byte; it rules out overlong
// forms, surrogates and code points beyond U+10FFFF.
struct LeadRule {
    size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

LeadRule RuleForLead(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, 0x80, 0xBF};
    }
    if (lead == 0xE0) {
        return {3, 0xA0, 0xBF};
    }
    if (lead == 0xED) {
        return {3, 0x80, 0x9F};
    }
    if (lead >= 0xE1 && lead <= 0xEF) {
        return {3, 0x80, 0xBF};
    }
    if (lead == 0xF0) {
        return {4, 0x90, 0xBF};
    }
    if (lead >= 0xF1 && lead <= 0xF3) {
        return {4, 0x80, 0xBF};
    }
    if (lead == 0xF4) {
        return {4, 0x80, 0x8F};
    }
    return {0, 0, 0};
}

Utf8Step DecodeOne(std::string_view bytes, size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    const LeadRule rule = RuleForLead(lead);
    if (rule.length == 0) {
        return {Replacement, 1, false};
    }
    char32_t codePoint = lead & (0xFF >> (rule.length + 1));
    for (size_t i = 1; i < rule.length; ++i) {
        if (at + i >= bytes.size()) {
            return {Replacement, i, false};
        }
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        const unsigned char low = i == 1 ? rule.secondLow : 0x80;
        const unsigned char high = i == 1 ? rule.secondHigh : 0xBF;
        if (next < low || next > high) {
            return {Replacement, i, false};
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return {codePoint, rule.length, true};
}

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(char16_t(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(char16_t(0xD800 + (codePoint >> 10)));
    out.push_back(char16_t(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(char(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(char(0xC0 | (codePoint >> 6)));
        out.push_back(char(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(char(0xE0 | (codePoint >> 12)));
        out.push_back(char(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(char(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (codePoint >> 18)));
        out.push_back(char(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(char(0x80 | (codePoint & 0x3F)));
    }
}

// A whole character of UTF-16 starting at `at`: a surrogate pair, or one code unit,
// with U+FFFD standing for a surrogate that has no partner.
struct Utf16Step {
    char32_t codePoint;
    size_t length;
    bool valid;
};

Utf16Step NextCharacter(std::u16string_view text, size_t at) {
    const char32_t unit = text[at];
    if (IsHighSurrogate(unit) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
        const char32_t low = text[at + 1];
        return {0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), 2, true};
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
        return {Replacement, 1, false};
    }
    return {unit, 1, true};
}

// Code page 1252 from 0x80 to 0x9F; the rest of the page equals ISO-8859-1.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t Cp1252ToChar(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? Cp1252High[byte - 0x80] : char16_t(byte);
}

char Cp1252FromChar(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    for (size_t i = 0; i < Cp1252High.size(); ++i) {
        if (Cp1252High[i] == c) {
            return char(0x80 + i);
        }
    }
    return '?';
}

char Latin1FromChar(char32_t c) {
    return c <= 0xFF ? char(c) : '?';
}

template <typename FromChar>
std::string EncodeSingleByte(std::u16string_view text, FromChar fromChar) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const Utf16Step step = NextCharacter(text, at);
        out.push_back(step.valid ? fromChar(step.codePoint) : '?');
        at += step.length;
    }
    return out;
}

template <typename ToChar> std::u16string DecodeSingleByte(std::string_view bytes, ToChar toChar) {
    std::u16string out(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        out[i] = toChar(static_cast<unsigned char>(bytes[i]));
    }
    return out;
}

char16_t Latin1ToChar(unsigned char byte) {
    return char16_t(byte);
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const Utf8Step step = DecodeOne(bytes, at);
        AppendUtf16(out, step.codePoint);
        at += step.length;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const Utf16Step step = NextCharacter(text, at);
        AppendUtf8(out, step.codePoint);
        at += step.length;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    return CountUtf8(bytes).invalidBytes == 0;
}

Utf8Census CountUtf8(std::string_view bytes) {
    Utf8Census census;
    for (size_t at = 0; at < bytes.size();) {
        const Utf8Step step = DecodeOne(bytes, at);
        if (!step.valid)
            census.invalidBytes += step.length;
        else if (step.length > 1)
            ++census.multiByteSequences;
        at += step.length;
    }
    return census;
}

std::u16string Cp1252ToUtf16(std::string_view bytes) {
    return DecodeSingleByte(bytes, Cp1252ToChar);
}

// Unit by unit, as Windows converts to its ANSI code page: a character beyond U+FFFF is a
// surrogate pair and becomes two "?".
std::string Utf16ToCp1252(std::u16string_view text) {
    std::string out(text.size(), '\0');
    for (size_t at = 0; at < text.size(); ++at) {
        out[at] = Cp1252FromChar(text[at]);
    }
    return out;
}

std::u16string Utf16LeToUtf16(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (size_t at = 0; at + 1 < bytes.size(); at += 2)
        text += char16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8);
    return text;
}

std::u16string Latin1ToUtf16(std::string_view bytes) {
    return DecodeSingleByte(bytes, Latin1ToChar);
}

std::string Utf16ToLatin1(std::u16string_view text) {
    return EncodeSingleByte(text, Latin1FromChar);
}

std::string LittleEndianBytes(uint32_t value) {
    return {char(value & 0xFF), char(value >> 8 & 0xFF), char(value >> 16 & 0xFF),
            char(value >> 24 & 0xFF)};
}

} // namespace text
