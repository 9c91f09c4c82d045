#pragma once

#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupParser.h"

#include <string>
#include <utility>
#include <vector>

// Every UTF-16 unit 8 px wide and every line 16 px high (ascent 12), whatever the font.
struct FixedMeasurer : ui::markup::TextMeasurer {
    double Width(std::u16string_view text, const ui::markup::Font&) override {
        return 8.0 * double(text.size());
    }
    ui::markup::FontMetrics Metrics(const ui::markup::Font&) override { return {12, 4, 16}; }
};

inline ui::markup::DisplayList LayOut(std::u16string_view markup, double width, double height,
                                      const ui::markup::Theme& theme = {}) {
    FixedMeasurer measurer;
    return ui::markup::Layout(ui::markup::Parse(markup), width, height, measurer, theme);
}

template <typename Item> std::vector<Item> ItemsOf(const ui::markup::DisplayList& list) {
    std::vector<Item> found;
    for (const auto& item : list.items)
        if (const auto* typed = std::get_if<Item>(&item))
            found.push_back(*typed);
    return found;
}

// The text shown on each line, top to bottom (runs come line by line).
inline std::vector<std::u16string> LinesOf(const ui::markup::DisplayList& list) {
    std::vector<std::u16string> lines;
    double top = -1;
    for (const auto& run : ItemsOf<ui::markup::TextRun>(list)) {
        if (std::exchange(top, run.top) != run.top)
            lines.emplace_back();
        lines.back() += run.text;
    }
    return lines;
}
