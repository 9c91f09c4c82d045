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

int MaxScroll(const ScrollAxis& axis) {
    return std::max(0, axis.content - axis.visible);
}

int ClampScroll(const ScrollAxis& axis) {
    return std::clamp(axis.offset, 0, MaxScroll(axis));
}

int ScrollIntoView(const ScrollAxis& axis, int start, int length) {
    int offset = axis.offset;
    if (start + length > offset + axis.visible)
        offset = start + length - axis.visible;
    if (start < offset) // a span longer than the view shows from its start
        offset = start;
    return ClampScroll({axis.content, axis.visible, offset});
}

} // namespace ui
