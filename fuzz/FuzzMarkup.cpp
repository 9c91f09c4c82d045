#include "FuzzInput.h"
#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupParser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// Any caption through the parser and the layout at a few label sizes, with a measurer whose
// character widths vary, then every number of the display list checked the way a painter
// relies on it.

namespace {

using namespace ui::markup;

struct VaryingMeasurer : TextMeasurer {
    double Width(std::u16string_view text, const Font& font) override {
        double units = 0;
        for (char16_t c : text) {
            units += 1 + c % 5;
        }
        return units * font.pixelSize / (font.bold ? 5 : 6);
    }
    FontMetrics Metrics(const Font& font) override {
        return {font.pixelSize * 0.9, font.pixelSize * 0.25, font.pixelSize * 1.2};
    }
};

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void RequireInside(double start, double extent) {
    Require(std::isfinite(start) && std::isfinite(extent) && start >= 0 && extent >= 0 &&
            start + extent <= MaxExtent);
}

void RequireInside(const Rect& rect) {
    RequireInside(rect.x, rect.width);
    RequireInside(rect.y, rect.height);
}

struct ItemCheck {
    void operator()(const FilledRect& item) const { RequireInside(item.rect); }
    void operator()(const BorderRect& item) const { RequireInside(item.rect); }
    void operator()(const GradientRect& item) const {
        RequireInside(item.rect);
        Require(item.stops.size() >= 2 && item.stops.front().offset == 0 &&
                item.stops.back().offset == 1);
        for (size_t i = 1; i < item.stops.size(); ++i) {
            Require(item.stops[i - 1].offset <= item.stops[i].offset);
        }
        GradientColourAt(item, {item.rect.x, item.rect.y + item.rect.height / 2});
    }
    void operator()(const TextRun& item) const {
        RequireInside(item.x, item.width);
        RequireInside(item.top, item.height);
        Require(!item.text.empty() && item.font.pixelSize > 0);
        Require(item.baseline >= item.top && item.baseline <= item.top + item.height);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string caption = FuzzText(data, size);
    const Document document = Parse(caption);
    if (!document.wellFormed) {
        const auto* shown = document.root.Find(u"Text");
        Require(shown && *shown == caption); // shown as written
    }
    VaryingMeasurer measurer;
    Theme theme;
    // The terms label's size, and a narrower one (even none at all) picked by the input.
    const double narrow[] = {0.0, 61.5, 200.0};
    for (const double width : {465.0, narrow[size % 3]}) {
        theme.scale = width == 465 ? 1 : 1.25;
        const DisplayList list = Layout(document, width, 345, measurer, theme);
        Require(std::isfinite(list.contentHeight) && list.contentHeight >= 0 &&
                list.contentHeight <= MaxExtent);
        for (const DisplayItem& item : list.items) {
            std::visit(ItemCheck{}, item);
        }
    }
    return 0;
}
