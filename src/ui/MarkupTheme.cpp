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

void MarkupLook::SetFont(std::u16string fontFamily, double fontPoints, double dpi) {
    family = std::move(fontFamily);
    points = fontPoints;
    dotsPerInch = dpi;
    theme = MarkupTheme({.name = family, .points = points}, dotsPerInch, scheme);
}

void MarkupLook::SetScheme(const ColourScheme& colours, uint32_t behind) {
    scheme = colours;
    background = behind;
    theme = MarkupTheme({.name = family, .points = points}, dotsPerInch, scheme);
}

void MarkupLook::Colour(markup::DisplayList& display) const {
    ApplyScheme(display, background, scheme);
}

} // namespace ui
