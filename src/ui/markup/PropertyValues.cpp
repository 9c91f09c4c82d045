#include "ui/markup/PropertyValues.h"

#include "text/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace ui::markup {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool Is(std::u16string_view text, std::u16string_view keyword) {
    return text::EqualsIgnoreCase(Trimmed(text), keyword);
}

// Parts separated by commas and/or blanks: "0.5, 0" and "10,0,10,0" and "4 8".
std::vector<std::u16string_view> SplitList(std::u16string_view text) {
    std::vector<std::u16string_view> parts;
    size_t start = 0;
    bool afterComma = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || text[i] == u',' || IsBlank(text[i]);
        if (!separator) {
            continue;
        }
        const bool comma = i < text.size() && text[i] == u',';
        if (i > start || (comma && afterComma)) {
            parts.push_back(text.substr(start, i - start)); // an empty part fails later
        }
        afterComma = comma;
        start = i + 1;
    }
    return parts;
}

double ClampLength(double value) {
    return std::clamp(value, 0.0, MaxLength);
}

struct Unit {
    std::u16string_view suffix;
    double perUnit;
};

constexpr std::array<Unit, 4> units{{
    {u"px", 1.0},
    {u"in", 96.0},
    {u"cm", 96.0 / 2.54},
    {u"pt", 96.0 / 72.0},
}};

std::optional<Alignment> ParseKeyword(std::u16string_view text,
                                      const std::array<std::u16string_view, 4>& keywords) {
    for (size_t i = 0; i < keywords.size(); ++i) {
        if (Is(text, keywords[i])) {
            return Alignment(i);
        }
    }
    return std::nullopt;
}

std::optional<Colour> HexDigits(std::u16string_view digits) {
    uint32_t value = 0;
    for (char16_t c : digits) {
        const int digit = text::HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | uint32_t(digit);
    }
    return value;
}

// #RGB and #ARGB double each digit.
std::u16string Widened(std::u16string_view digits) {
    std::u16string wide;
    for (char16_t c : digits) {
        wide.append(2, c);
    }
    return wide;
}

std::optional<MarkupColour> HexColour(std::u16string_view digits) {
    std::u16string full(digits);
    if (full.size() == 3 || full.size() == 4) {
        full = Widened(digits);
    }
    if (full.size() == 6) {
        full.insert(0, u"FF");
    }
    const auto argb = full.size() == 8 ? HexDigits(full) : std::nullopt;
    if (!argb) {
        return std::nullopt;
    }
    const Colour bgr = ((*argb & 0xFF) << 16) | (*argb & 0xFF00) | ((*argb >> 16) & 0xFF);
    return MarkupColour{bgr, uint8_t(*argb >> 24)};
}

bool IsSystemColourReference(std::u16string_view text) {
    if (text.size() < 2 || text.front() != u'{' || text.back() != u'}') {
        return false;
    }
    const auto words = SplitList(text.substr(1, text.size() - 2));
    return words.size() == 2 && words[0] == u"x:Static" &&
           words[1] == u"SystemColors.GradientActiveCaptionColor";
}

} // namespace

std::optional<double> ParseNumber(std::u16string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == u'+') {
        text.remove_prefix(1);
    }
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(char(c));
    }
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseLength(std::u16string_view text) {
    text = Trimmed(text);
    double perUnit = 1.0;
    for (const Unit& unit : units) {
        if (text.size() > unit.suffix.size() &&
            text::EqualsIgnoreCase(text.substr(text.size() - unit.suffix.size()), unit.suffix)) {
            perUnit = unit.perUnit;
            text.remove_suffix(unit.suffix.size());
            break;
        }
    }
    const auto number = ParseNumber(text);
    if (!number) {
        return std::nullopt;
    }
    return ClampLength(*number * perUnit);
}

std::optional<Thickness> ParseThickness(std::u16string_view text) {
    std::vector<double> lengths;
    for (std::u16string_view part : SplitList(text)) {
        const auto length = ParseLength(part);
        if (!length) {
            return std::nullopt;
        }
        lengths.push_back(*length);
    }
    switch (lengths.size()) {
    case 1:
        return Thickness{lengths[0], lengths[0], lengths[0], lengths[0]};
    case 2:
        return Thickness{lengths[0], lengths[1], lengths[0], lengths[1]};
    case 4:
        return Thickness{lengths[0], lengths[1], lengths[2], lengths[3]};
    default:
        return std::nullopt;
    }
}

std::optional<Point> ParsePoint(std::u16string_view text) {
    const auto parts = SplitList(text);
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const auto x = ParseNumber(parts[0]);
    const auto y = ParseNumber(parts[1]);
    if (!x || !y) {
        return std::nullopt;
    }
    // Points far outside the area say nothing more than points at its edge.
    return Point{std::clamp(*x, -MaxLength, MaxLength), std::clamp(*y, -MaxLength, MaxLength)};
}

std::optional<MarkupColour> ParseColour(std::u16string_view text, Colour systemColour) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == u'#') {
        return HexColour(text.substr(1));
    }
    if (IsSystemColourReference(text)) {
        return MarkupColour{systemColour, 255};
    }
    return NamedColour(text);
}

std::optional<Alignment> ParseHorizontalAlignment(std::u16string_view text) {
    return ParseKeyword(text, {u"Left", u"Center", u"Right", u"Stretch"});
}

std::optional<Alignment> ParseVerticalAlignment(std::u16string_view text) {
    return ParseKeyword(text, {u"Top", u"Center", u"Bottom", u"Stretch"});
}

std::optional<Alignment> ParseTextAlignment(std::u16string_view text) {
    if (Is(text, u"Justify")) {
        return Alignment::Start;
    }
    const auto alignment = ParseKeyword(text, {u"Left", u"Center", u"Right", u"-"});
    return alignment == Alignment::Stretch ? std::nullopt : alignment;
}

std::optional<bool> ParseBold(std::u16string_view text) {
    struct Weight {
        std::u16string_view name;
        bool bold;
    };
    static constexpr std::array<Weight, 16> weights{{
        {u"Thin", false},
        {u"ExtraLight", false},
        {u"UltraLight", false},
        {u"Light", false},
        {u"Normal", false},
        {u"Regular", false},
        {u"Medium", false},
        {u"SemiBold", true},
        {u"DemiBold", true},
        {u"Bold", true},
        {u"ExtraBold", true},
        {u"UltraBold", true},
        {u"Black", true},
        {u"Heavy", true},
        {u"ExtraBlack", true},
        {u"UltraBlack", true},
    }};
    for (const Weight& weight : weights) {
        if (Is(text, weight.name)) {
            return weight.bold;
        }
    }
    const auto weight = ParseNumber(text);
    if (!weight || *weight < 1 || *weight > 999) {
        return std::nullopt;
    }
    return *weight >= 600;
}

std::optional<bool> ParseWrapping(std::u16string_view text) {
    if (Is(text, u"Wrap") || Is(text, u"WrapWithOverflow")) {
        return true;
    }
    if (Is(text, u"NoWrap")) {
        return false;
    }
    return std::nullopt;
}

} // namespace ui::markup
