#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ui::markup {

// What the markup label paints, in device pixels, with the label's top-left corner at 0,0
// before scrolling. Front ends paint the items in order (later items on top), clip to the
// label and shift everything up by their scroll offset. Every number is finite; the extent
// of the whole list is kept within MaxExtent so it converts to int safely.

// 0x00BBGGRR, like every colour of the program (red is 0x0000FF).
using Colour = uint32_t;

inline constexpr double MaxExtent = 16777216.0;

struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool operator==(const Rect&) const = default;
};

struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

struct Thickness {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool operator==(const Thickness&) const = default;
};

struct Font {
    std::u16string family;
    double pixelSize = 0; // em height in device pixels: the markup's FontSize times the scale
    bool bold = false;

    bool operator==(const Font&) const = default;
};

struct FilledRect {
    Rect rect;
    Colour colour = 0;

    bool operator==(const FilledRect&) const = default;
};

struct GradientStop {
    double offset = 0; // along the start-to-end axis, 0 at start, 1 at end
    Colour colour = 0;

    bool operator==(const GradientStop&) const = default;
};

// A linear gradient filling rect. start and end are fractions of rect (0,0 its top-left
// corner, 1,1 its bottom-right); beyond them the end colours continue. stops are sorted by
// offset, at least two, the first at offset 0 and the last at 1.
struct GradientRect {
    Rect rect;
    Point start;
    Point end;
    std::vector<GradientStop> stops;

    bool operator==(const GradientRect&) const = default;
};

// A frame whose outer edge is rect; each side is a band of its thickness inside rect.
struct BorderRect {
    Rect rect;
    Thickness thickness;
    Colour colour = 0;

    bool operator==(const BorderRect&) const = default;
};

// One piece of text in one font and colour on one line. Draw it with its left end at x and
// its baseline at baseline (QPainter::drawText at a point; TA_BASELINE in GDI). top and
// height are the line's box; width is the measured advance of text.
struct TextRun {
    double x = 0;
    double top = 0;
    double baseline = 0;
    double width = 0;
    double height = 0;
    std::u16string text;
    Font font;
    Colour colour = 0;

    bool operator==(const TextRun&) const = default;
};

using DisplayItem = std::variant<FilledRect, GradientRect, BorderRect, TextRun>;

struct DisplayList {
    std::vector<DisplayItem> items;
    // The height the content needs; when it exceeds the label's visible height the front end
    // scrolls. Shorter content was aligned within the visible height.
    double contentHeight = 0;
};

// The colour of sorted stops at an offset, mixed linearly between the stops around it.
Colour ColourAtOffset(const std::vector<GradientStop>& stops, double offset);
// The gradient's colour at a device point, for painters without gradient support (GDI
// paints thin bands): the point is projected on the start-to-end axis.
Colour GradientColourAt(const GradientRect& gradient, Point point);

} // namespace ui::markup
