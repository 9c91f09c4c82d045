#include "ui/Scale.h"

#include <algorithm>
#include <cmath>

namespace ui {

int Pixels(Twips twips, double dotsPerInch) {
    return int(std::lround(twips * dotsPerInch / 1440.0));
}

PixelRect Pixels(const TwipsRect& place, double dotsPerInch) {
    const int left = Pixels(place.left, dotsPerInch), top = Pixels(place.top, dotsPerInch);
    return {left, top, Pixels(place.left + place.width, dotsPerInch) - left,
            Pixels(place.top + place.height, dotsPerInch) - top};
}

int IconSide(const FormTable& form, const ControlEntry& button, double dotsPerInch) {
    const PixelRect place = Pixels(PlaceInWindow(form, button), dotsPerInch);
    return std::min(place.width, place.height) * 2 / 3;
}

} // namespace ui
