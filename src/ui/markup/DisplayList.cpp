#include "ui/markup/DisplayList.h"

#include <cmath>

namespace ui::markup {
namespace {

Colour Mix(Colour from, Colour to, double fraction) {
    Colour mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double a = (from >> shift) & 0xFF;
        const double b = (to >> shift) & 0xFF;
        mixed |= Colour(std::lround(a + (b - a) * fraction)) << shift;
    }
    return mixed;
}

// Where point falls on the axis: 0 at the start point, 1 at the end point.
double AxisFraction(const GradientRect& gradient, Point point) {
    const Rect& r = gradient.rect;
    const double startX = r.x + gradient.start.x * r.width;
    const double startY = r.y + gradient.start.y * r.height;
    const double dx = r.x + gradient.end.x * r.width - startX;
    const double dy = r.y + gradient.end.y * r.height - startY;
    const double squaredLength = dx * dx + dy * dy;
    if (!(squaredLength > 0) || !std::isfinite(squaredLength)) {
        return 1;
    }
    return ((point.x - startX) * dx + (point.y - startY) * dy) / squaredLength;
}

} // namespace

Colour ColourAtOffset(const std::vector<GradientStop>& stops, double offset) {
    if (stops.empty()) {
        return 0;
    }
    if (!(offset > stops.front().offset)) {
        return stops.front().colour;
    }
    for (size_t i = 1; i < stops.size(); ++i) {
        if (offset < stops[i].offset) {
            const double span = stops[i].offset - stops[i - 1].offset;
            return Mix(stops[i - 1].colour, stops[i].colour, (offset - stops[i - 1].offset) / span);
        }
    }
    return stops.back().colour;
}

Colour GradientColourAt(const GradientRect& gradient, Point point) {
    return ColourAtOffset(gradient.stops, AxisFraction(gradient, point));
}

} // namespace ui::markup
