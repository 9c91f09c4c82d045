#pragma once

#include "ui/markup/DisplayList.h"
#include "ui/markup/MarkupTree.h"

#include <string>
#include <string_view>

namespace ui::markup {

struct FontMetrics {
    double ascent = 0;     // baseline to the top of the line box
    double descent = 0;    // baseline to the bottom of the line box
    double lineHeight = 0; // distance from one line to the next
};

// What the layout needs from a front end's fonts (QFontMetricsF; GetTextExtentPoint32W and
// GetTextMetrics). Fonts are given in device pixels.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double Width(std::u16string_view text, const Font& font) = 0;
    virtual FontMetrics Metrics(const Font& font) = 0;
};

struct Theme {
    // {x:Static SystemColors.GradientActiveCaptionColor}; the front end reads the system's.
    Colour gradientActiveCaption = 0x00EAD1B9;
    Colour foreground = 0x00000000;
    std::u16string fontFamily = u"Segoe UI";
    double fontSize = 12; // in device-independent units (1/96 inch)
    double scale = 1;     // device pixels per device-independent unit: dpi / 96
};

// Lays the document out in a label width pixels wide and visibleHeight pixels high.
// Content shorter than the label is aligned in it by the root's VerticalAlignment; taller
// content makes the list's contentHeight exceed visibleHeight.
DisplayList Layout(const Document& document, double width, double visibleHeight,
                   TextMeasurer& measurer, const Theme& theme);

// The layout of a label that scrolls: at the full width, and again narrower by the scroll
// bar when the content is taller than the label (by more than half a pixel of rounding).
struct ScrollingLayout {
    DisplayList display;
    bool scrolls = false;
    int scrollRange = 0; // the greatest offset, in whole pixels
};
ScrollingLayout LayoutScrolling(const Document& document, double width, double visibleHeight,
                                double scrollBarWidth, TextMeasurer& measurer, const Theme& theme);
// An offset within the content: whole pixels, from 0 to the scroll range.
double ClampScroll(double offset, const ScrollingLayout& layout);

} // namespace ui::markup
