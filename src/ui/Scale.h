#pragma once

#include "ui/FormTable.h"

namespace ui {

// Twips to device pixels at a resolution: 1440 twips are one inch, so 15 twips are one
// pixel at 96 dots per inch.
int Pixels(Twips twips, double dotsPerInch);

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Rounded edge by edge, so controls that meet in twips still meet in pixels.
PixelRect Pixels(const TwipsRect& place, double dotsPerInch);

// The side of a push button's square icon in pixels: two thirds of the button's shorter
// side, which leaves room for the button's frame and its focus mark.
int IconSide(const FormTable& form, const ControlEntry& button, double dotsPerInch);

} // namespace ui
