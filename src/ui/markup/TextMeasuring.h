#pragma once

#include "ui/markup/MarkupLayout.h"

#include <map>
#include <optional>
#include <string_view>
#include <utility>

namespace ui::markup {

// The front end's measurer with the font metrics remembered, and the search for how much
// of a text fits in a width.
class TextMeasuring {
public:
    explicit TextMeasuring(TextMeasurer& measurer) : measurer(measurer) {}

    double Width(std::u16string_view text, const Font& font);
    const FontMetrics& Metrics(const Font& font);
    // The longest start of text, in UTF-16 units and never splitting a surrogate pair,
    // that is at most available wide (0 when not even one character fits). Probes double,
    // then halve, so a huge text costs about its length times the log of a line's length.
    size_t FittingPrefix(std::u16string_view text, const Font& font, double available);

private:
    TextMeasurer& measurer;
    std::map<std::pair<std::u16string, std::pair<double, bool>>, FontMetrics> metrics;
    std::optional<std::pair<Font, FontMetrics>> lastAsked; // lines mostly ask for one font
};

// The end of the character that ends at or straddles position.
size_t CharacterEnd(std::u16string_view text, size_t position);

} // namespace ui::markup
