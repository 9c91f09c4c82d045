#pragma once

#include "ui/markup/TextFlow.h"
#include "ui/markup/TextMeasuring.h"

#include <string>
#include <vector>

namespace ui::markup {

// A piece of a line in one style; x is relative to the line's start.
struct TextSegment {
    std::u16string text;
    size_t style = 0;
    double x = 0;
    double width = 0;
};

struct TextLine {
    std::vector<TextSegment> segments;
    double width = 0;
    double ascent = 0;
    double height = 0;
};

// Breaks the flow into lines: at line breaks, and with wrap also between words where the
// next word would pass maxWidth; a word wider than a whole line is broken between
// characters. Blanks where a line wraps are dropped. There is always at least one line.
std::vector<TextLine> BreakLines(const TextFlow& flow, double maxWidth, bool wrap,
                                 TextMeasuring& measuring);

} // namespace ui::markup
