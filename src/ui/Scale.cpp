#include "ui/Scale.h"

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

} // namespace ui
