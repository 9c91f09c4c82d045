#include "ui/markup/Entities.h"

#include "text/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace ui::markup {
namespace {

struct NamedEntity {
    std::u16string_view name;
    char16_t character;
};

constexpr std::array<NamedEntity, 5> namedEntities{{
    {u"amp", u'&'},
    {u"lt", u'<'},
    {u"gt", u'>'},
    {u"apos", u'\''},
    {u"quot", u'"'},
}};

// Longest reference body worth reading: "#x10FFFF" and a few leading zeros.
constexpr size_t maxReferenceLength = 12;

std::optional<uint32_t> DigitValue(char16_t c, uint32_t base) {
    const int value = text::HexDigitValue(c);
    if (value < 0 || uint32_t(value) >= base) {
        return std::nullopt;
    }
    return uint32_t(value);
}

std::optional<uint32_t> CodePointOf(std::u16string_view body) {
    uint32_t base = 10;
    body.remove_prefix(1); // "#"
    if (!body.empty() && (body.front() == u'x' || body.front() == u'X')) {
        base = 16;
        body.remove_prefix(1);
    }
    if (body.empty()) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (char16_t c : body) {
        const auto digit = DigitValue(c, base);
        if (!digit) {
            return std::nullopt;
        }
        value = std::min<uint32_t>(value * base + *digit, 0x110000); // beyond: invalid anyway
    }
    return value;
}

void AppendCodePoint(std::u16string& out, uint32_t codePoint) {
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint == 0 || surrogate || codePoint > 0x10FFFF) {
        out.push_back(u'\uFFFD');
    } else if (codePoint < 0x10000) {
        out.push_back(char16_t(codePoint));
    } else {
        codePoint -= 0x10000;
        out.push_back(char16_t(0xD800 + (codePoint >> 10)));
        out.push_back(char16_t(0xDC00 + (codePoint & 0x3FF)));
    }
}

// Appends the character of the reference body (between "&" and ";"); false if none.
bool AppendReference(std::u16string& out, std::u16string_view body) {
    if (!body.empty() && body.front() == u'#') {
        const auto codePoint = CodePointOf(body);
        if (codePoint) {
            AppendCodePoint(out, *codePoint);
        }
        return codePoint.has_value();
    }
    for (const NamedEntity& entity : namedEntities) {
        if (body == entity.name) {
            out.push_back(entity.character);
            return true;
        }
    }
    return false;
}

} // namespace

std::u16string DecodeEntities(std::u16string_view raw) {
    std::u16string out;
    out.reserve(raw.size());
    size_t position = 0;
    while (position < raw.size()) {
        const size_t ampersand = raw.find(u'&', position);
        out.append(raw.substr(position, ampersand - position));
        if (ampersand == std::u16string_view::npos) {
            break;
        }
        const size_t semicolon =
            raw.substr(0, ampersand + 2 + maxReferenceLength).find(u';', ampersand);
        const bool decoded =
            semicolon != std::u16string_view::npos &&
            AppendReference(out, raw.substr(ampersand + 1, semicolon - ampersand - 1));
        if (decoded) {
            position = semicolon + 1;
        } else {
            out.push_back(u'&');
            position = ampersand + 1;
        }
    }
    return out;
}

} // namespace ui::markup
