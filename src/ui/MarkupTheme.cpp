#include "ui/MarkupTheme.h"

namespace ui {

markup::Theme MarkupTheme(const Font& font, double dotsPerInch, const ColourScheme& scheme) {
    markup::Theme theme;
    if (!font.name.empty())
        theme.fontFamily = font.name;
    if (font.points > 0)
        theme.fontSize = font.points * 96.0 / 72.0;
    theme.scale = dotsPerInch / 96.0;
    theme.foreground = DefaultColour;
    theme.gradientActiveCaption = scheme.gradientActiveCaption;
    return theme;
}

} // namespace ui
