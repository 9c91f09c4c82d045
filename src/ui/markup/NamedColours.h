#pragma once

#include "ui/markup/DisplayList.h"

#include <optional>
#include <string_view>

namespace ui::markup {

// A colour as markup writes it, with its opacity (0 transparent, 255 opaque).
struct MarkupColour {
    Colour colour = 0;
    uint8_t alpha = 255;
};

// The named colours of XAML (System.Windows.Media.Colors), matched ignoring case.
std::optional<MarkupColour> NamedColour(std::u16string_view name);

} // namespace ui::markup
