#pragma once

#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupParser.h"

#include <map>
#include <string>
#include <vector>

// Every UTF-16 unit 8 px wide and every line 16 px high (ascent 12), whatever the font.
struct FixedMeasurer : ui::markup::TextMeasurer {
    double Width(std::u16string_view text, const ui::markup::Font&) override {
        return 8.0 * double(text.size());
    }
    ui::markup::FontMetrics Metrics(const ui::markup::Font&) override { return {12, 4, 16}; }
};

template <typename Item> std::vector<Item> ItemsOf(const ui::markup::DisplayList& list) {
    std::vector<Item> found;
    for (const auto& item : list.items) {
        if (const auto* typed = std::get_if<Item>(&item)) {
            found.push_back(*typed);
        }
    }
    return found;
}

// The text shown on each line, top to bottom.
inline std::vector<std::u16string> LinesOf(const ui::markup::DisplayList& list) {
    std::map<double, std::u16string> lines;
    for (const auto& run : ItemsOf<ui::markup::TextRun>(list)) {
        lines[run.top] += run.text;
    }
    std::vector<std::u16string> texts;
    for (auto& [top, text] : lines) {
        texts.push_back(text);
    }
    return texts;
}

inline ui::markup::DisplayList LayOut(std::u16string_view markup, double width, double height,
                                      const ui::markup::Theme& theme = {}) {
    FixedMeasurer measurer;
    return ui::markup::Layout(ui::markup::Parse(markup), width, height, measurer, theme);
}
