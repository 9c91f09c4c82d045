#pragma once

#include "ui/ColourScheme.h"
#include "ui/FormTable.h"
#include "ui/markup/DisplayList.h"
#include "ui/markup/MarkupLayout.h"

#include <string>

namespace ui {

// What a markup label lays its caption out with: the label's font as the toolkit resolved
// it (the table's, else the toolkit's own), at the resolution; text without a colour of its
// own is left for the scheme to colour (ApplyScheme). A font without a name or a size keeps
// the markup's own.
markup::Theme MarkupTheme(const Font& font, double dotsPerInch, const ColourScheme& scheme);

// A markup label's look as its front end learns it: the font and the resolution, and the
// system's colours over the window's background. They come in either order and each may
// change while the label lives.
class MarkupLook {
public:
    void SetFont(std::u16string family, double points, double dotsPerInch);
    void SetScheme(const ColourScheme& scheme, uint32_t background);
    // What to lay the caption out with.
    const markup::Theme& Theme() const { return theme; }
    // Colours a caption laid out with Theme() in the scheme, over the background.
    void Colour(markup::DisplayList& display) const;

private:
    std::u16string family;
    double points = 0, dotsPerInch = 96;
    ColourScheme scheme;
    uint32_t background = ColourScheme{}.window;
    markup::Theme theme = MarkupTheme({}, dotsPerInch, scheme);
};

} // namespace ui
