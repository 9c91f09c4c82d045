#include "ui/markup/MarkupLayout.h"

#include "ui/markup/BlockLayout.h"

#include <algorithm>
#include <cmath>

namespace ui::markup {
namespace {

double Sane(double value, double fallback) {
    return std::isfinite(value) ? std::clamp(value, 0.0, MaxExtent) : fallback;
}

Theme SaneTheme(Theme theme) {
    theme.scale =
        std::isfinite(theme.scale) && theme.scale > 0 ? std::clamp(theme.scale, 0.1, 16.0) : 1.0;
    theme.fontSize = std::isfinite(theme.fontSize) && theme.fontSize > 0 ? theme.fontSize : 12.0;
    return theme;
}

// Keeps a rect's far edge within MaxExtent; false when the rect starts beyond it.
bool Confine(double& start, double& extent) {
    if (!(start < MaxExtent)) {
        return false;
    }
    extent = std::min(extent, MaxExtent - start);
    return true;
}

bool Confine(Rect& rect) {
    return Confine(rect.x, rect.width) && Confine(rect.y, rect.height);
}

struct Confiner {
    bool operator()(FilledRect& item) const { return Confine(item.rect); }
    bool operator()(GradientRect& item) const { return Confine(item.rect); }
    bool operator()(BorderRect& item) const { return Confine(item.rect); }
    bool operator()(TextRun& item) const {
        return item.baseline < MaxExtent && Confine(item.x, item.width) &&
               Confine(item.top, item.height);
    }
};

// Long content may add up past what a front end can address; what lies beyond is dropped.
void KeepWithinExtent(DisplayList& list) {
    std::erase_if(list.items, [](DisplayItem& item) { return !std::visit(Confiner{}, item); });
    list.contentHeight = std::min(list.contentHeight, MaxExtent);
}

} // namespace

DisplayList Layout(const Document& document, double width, double visibleHeight,
                   TextMeasurer& measurer, const Theme& theme) {
    DisplayList list;
    if (!BlockLayout::TakesPart(document.root)) {
        return list;
    }
    width = Sane(width, 0);
    visibleHeight = Sane(visibleHeight, 0);
    const Theme sane = SaneTheme(theme);
    BlockLayout layout(measurer, sane, list.items);
    list.contentHeight = layout.Measure(document.root, width).height;
    layout.Arrange(document.root, {0, 0, width, std::max(visibleHeight, list.contentHeight)});
    KeepWithinExtent(list);
    return list;
}

ScrollingLayout LayoutScrolling(const Document& document, double width, double visibleHeight,
                                double scrollBarWidth, TextMeasurer& measurer, const Theme& theme) {
    ScrollingLayout layout{Layout(document, width, visibleHeight, measurer, theme)};
    layout.scrolls = layout.display.contentHeight > visibleHeight + 0.5;
    if (!layout.scrolls)
        return layout;
    layout.display = Layout(document, width - scrollBarWidth, visibleHeight, measurer, theme);
    layout.scrollRange =
        int(std::ceil(std::max(0.0, layout.display.contentHeight - visibleHeight)));
    return layout;
}

double ClampScroll(double offset, const ScrollingLayout& layout) {
    return std::clamp(std::round(offset), 0.0, double(layout.scrollRange));
}

} // namespace ui::markup
