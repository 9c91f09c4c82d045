#include "ui/markup/TextStyle.h"

#include "ui/markup/PropertyValues.h"

#include <algorithm>

namespace ui::markup {
namespace {

// "Segoe UI, Tahoma" names fallbacks; the first family is the one asked for.
std::u16string FirstFamily(std::u16string_view families) {
    families = families.substr(0, families.find(u','));
    const size_t first = families.find_first_not_of(u' ');
    const size_t last = families.find_last_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(families.substr(first, last - first + 1));
}

double PixelSize(double fontSize, const Theme& theme) {
    return std::clamp(fontSize, MinFontSize, MaxFontSize) * theme.scale;
}

} // namespace

TextStyle DefaultTextStyle(const Theme& theme) {
    return {Font{theme.fontFamily, PixelSize(theme.fontSize, theme), false},
            MarkupColour{theme.foreground, 255}};
}

TextStyle WithTextProperties(const Node& element, TextStyle inherited, const Theme& theme) {
    if (const auto* family = element.Find(u"FontFamily")) {
        if (std::u16string first = FirstFamily(*family); !first.empty()) {
            inherited.font.family = std::move(first);
        }
    }
    if (const auto* size = element.Find(u"FontSize")) {
        if (const auto length = ParseLength(*size); length && *length > 0) {
            inherited.font.pixelSize = PixelSize(*length, theme);
        }
    }
    if (const auto* weight = element.Find(u"FontWeight")) {
        inherited.font.bold = ParseBold(*weight).value_or(inherited.font.bold);
    }
    if (const auto* foreground = element.Find(u"Foreground")) {
        inherited.colour =
            ParseColour(*foreground, theme.gradientActiveCaption).value_or(inherited.colour);
    }
    return inherited;
}

} // namespace ui::markup
