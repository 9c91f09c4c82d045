#pragma once

#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupTree.h"
#include "ui/markup/NamedColours.h"

namespace ui::markup {

struct TextStyle {
    Font font;
    MarkupColour colour;

    bool operator==(const TextStyle& other) const {
        return font == other.font && colour.colour == other.colour.colour &&
               colour.alpha == other.colour.alpha;
    }
};

// Font sizes outside this range (in device-independent units) are clamped to it.
inline constexpr double MinFontSize = 1;
inline constexpr double MaxFontSize = 1000;

// The style of text with nothing set: the theme's font and foreground.
TextStyle DefaultTextStyle(const Theme& theme);
// The style inside element: FontFamily, FontSize, FontWeight and Foreground of element
// over the inherited style.
TextStyle WithTextProperties(const Node& element, TextStyle inherited, const Theme& theme);

} // namespace ui::markup
