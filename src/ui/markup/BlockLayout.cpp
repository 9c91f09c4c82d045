#include "ui/markup/BlockLayout.h"

#include "ui/markup/Brushes.h"
#include "ui/markup/LineBreaker.h"
#include "ui/markup/PropertyValues.h"
#include "ui/markup/TextFlow.h"

#include <algorithm>

namespace ui::markup {
namespace {

double Horizontal(const Thickness& t) {
    return t.left + t.right;
}

double Vertical(const Thickness& t) {
    return t.top + t.bottom;
}

Rect Deflate(const Rect& rect, const Thickness& t) {
    return {rect.x + t.left, rect.y + t.top, std::max(0.0, rect.width - Horizontal(t)),
            std::max(0.0, rect.height - Vertical(t))};
}

Thickness Sum(const Thickness& a, const Thickness& b) {
    return {a.left + b.left, a.top + b.top, a.right + b.right, a.bottom + b.bottom};
}

// Where an element of the given extent goes in space, by its alignment.
double AlignedOffset(Alignment alignment, double space, double extent) {
    switch (alignment) {
    case Alignment::Center:
        return (space - extent) / 2;
    case Alignment::End:
        return space - extent;
    default:
        return 0;
    }
}

bool Wraps(const Node& textBlock) {
    const auto* wrapping = textBlock.Find(u"TextWrapping");
    return wrapping && ParseWrapping(*wrapping).value_or(false);
}

Alignment ReadAlignment(const Node& element, std::u16string_view property,
                        std::optional<Alignment> (*parse)(std::u16string_view)) {
    const auto* value = element.Find(property);
    return value ? parse(*value).value_or(Alignment::Stretch) : Alignment::Stretch;
}

} // namespace

BlockLayout::BlockLayout(TextMeasurer& measurer, const Theme& theme,
                         std::vector<DisplayItem>& items)
    : measuring(measurer), theme(theme), items(items) {}

bool BlockLayout::TakesPart(const Node& node) {
    return node.IsElement(u"Border") || node.IsElement(u"StackPanel") ||
           node.IsElement(u"ScrollViewer") || node.IsElement(u"TextBlock");
}

Size BlockLayout::Measure(const Node& element, double availableWidth) {
    const auto found = measured.find(&element);
    if (found != measured.end() && found->second.first == availableWidth) {
        return found->second.second;
    }
    const Thickness margin = ReadThickness(element, u"Margin");
    const Size own = MeasureOwn(element, std::max(0.0, availableWidth - Horizontal(margin)));
    const Size size{own.width + Horizontal(margin), own.height + Vertical(margin)};
    measured[&element] = {availableWidth, size};
    return size;
}

void BlockLayout::Arrange(const Node& element, const Rect& slot) {
    const Size desired = Measure(element, slot.width);
    const Thickness margin = ReadThickness(element, u"Margin");
    const Rect space = Deflate(slot, margin);
    const Alignment horizontal =
        ReadAlignment(element, u"HorizontalAlignment", ParseHorizontalAlignment);
    const Alignment vertical = ReadAlignment(element, u"VerticalAlignment", ParseVerticalAlignment);
    Rect rect = space;
    if (horizontal != Alignment::Stretch) {
        rect.width = std::min(desired.width - Horizontal(margin), space.width);
        rect.x += AlignedOffset(horizontal, space.width, rect.width);
    }
    if (vertical != Alignment::Stretch) {
        rect.height = std::min(desired.height - Vertical(margin), space.height);
        rect.y += AlignedOffset(vertical, space.height, rect.height);
    }
    ArrangeOwn(element, rect);
}

Size BlockLayout::MeasureOwn(const Node& element, double width) {
    if (element.IsElement(u"TextBlock")) {
        return MeasureText(element, width);
    }
    Thickness chrome;
    if (element.IsElement(u"Border")) {
        chrome =
            Sum(ReadThickness(element, u"BorderThickness"), ReadThickness(element, u"Padding"));
    }
    const Size content = MeasureContent(element, std::max(0.0, width - Horizontal(chrome)));
    return {content.width + Horizontal(chrome), content.height + Vertical(chrome)};
}

// Children that take part are stacked; a single one fills the whole content area.
Size BlockLayout::MeasureContent(const Node& element, double width) {
    Size content;
    for (const Node& child : element.children) {
        if (TakesPart(child)) {
            const Size size = Measure(child, width);
            content.width = std::max(content.width, size.width);
            content.height += size.height;
        }
    }
    return content;
}

Size BlockLayout::MeasureText(const Node& textBlock, double width) {
    const Thickness padding = ReadThickness(textBlock, u"Padding");
    Size size;
    for (const TextLine& line :
         LaidOut(textBlock, std::max(0.0, width - Horizontal(padding))).lines) {
        size.width = std::max(size.width, line.width);
        size.height += line.height;
    }
    return {size.width + Horizontal(padding), size.height + Vertical(padding)};
}

void BlockLayout::ArrangeOwn(const Node& element, const Rect& rect) {
    if (element.IsElement(u"Border")) {
        ArrangeBorder(element, rect);
    } else if (element.IsElement(u"StackPanel")) {
        PaintBackground(element, rect);
        ArrangeStack(element, rect);
    } else if (element.IsElement(u"ScrollViewer")) {
        ArrangeContent(element, rect);
    } else if (element.IsElement(u"TextBlock")) {
        PaintBackground(element, rect);
        ArrangeText(element, Deflate(rect, ReadThickness(element, u"Padding")));
    }
}

void BlockLayout::ArrangeBorder(const Node& border, const Rect& rect) {
    const Thickness frame = ReadThickness(border, u"BorderThickness");
    PaintBackground(border, Deflate(rect, frame));
    const auto brush = ReadBrush(border, u"BorderBrush", theme.gradientActiveCaption);
    const bool visible = Horizontal(frame) + Vertical(frame) > 0 && rect.width > 0 &&
                         rect.height > 0 && brush && SolidColourOf(*brush).alpha != 0;
    if (visible) {
        items.emplace_back(BorderRect{rect, frame, SolidColourOf(*brush).colour});
    }
    ArrangeContent(border, Deflate(rect, Sum(frame, ReadThickness(border, u"Padding"))));
}

void BlockLayout::ArrangeContent(const Node& element, const Rect& rect) {
    const auto parts = std::count_if(element.children.begin(), element.children.end(), TakesPart);
    if (parts != 1) {
        ArrangeStack(element, rect);
        return;
    }
    Arrange(*std::find_if(element.children.begin(), element.children.end(), TakesPart), rect);
}

void BlockLayout::ArrangeStack(const Node& element, const Rect& rect) {
    double y = rect.y;
    for (const Node& child : element.children) {
        if (TakesPart(child)) {
            const double height = Measure(child, rect.width).height;
            Arrange(child, {rect.x, y, rect.width, height});
            y += height;
        }
    }
}

void BlockLayout::ArrangeText(const Node& textBlock, const Rect& rect) {
    const LaidText& text = LaidOut(textBlock, rect.width);
    const auto* aligning = textBlock.Find(u"TextAlignment");
    const Alignment alignment =
        aligning ? ParseTextAlignment(*aligning).value_or(Alignment::Start) : Alignment::Start;
    double top = rect.y;
    for (const TextLine& line : text.lines) {
        const double left =
            rect.x + std::max(0.0, AlignedOffset(alignment, rect.width, line.width));
        for (const TextSegment& segment : line.segments) {
            const TextStyle& segmentStyle = text.flow.styles[segment.style];
            if (segmentStyle.colour.alpha != 0) {
                items.push_back(TextRun{left + segment.x, top, top + line.ascent, segment.width,
                                        line.height, segment.text, segmentStyle.font,
                                        segmentStyle.colour.colour});
            }
        }
        top += line.height;
    }
}

const BlockLayout::LaidText& BlockLayout::LaidOut(const Node& textBlock, double width) {
    auto [found, added] = texts.try_emplace(&textBlock);
    LaidText& text = found->second;
    if (added) {
        const TextStyle style = WithTextProperties(textBlock, DefaultTextStyle(theme), theme);
        text.flow = CollectInlines(textBlock, style, theme);
    }
    if (added || text.width != width) {
        text.width = width;
        text.lines = BreakLines(text.flow, width, Wraps(textBlock), measuring);
    }
    return text;
}

void BlockLayout::PaintBackground(const Node& element, const Rect& rect) {
    if (const auto brush = ReadBrush(element, u"Background", theme.gradientActiveCaption)) {
        PaintBrush(*brush, rect, items);
    }
}

Thickness BlockLayout::ReadThickness(const Node& element, std::u16string_view property) const {
    const auto* value = element.Find(property);
    const Thickness thickness = value ? ParseThickness(*value).value_or(Thickness{}) : Thickness{};
    const double s = theme.scale;
    return {thickness.left * s, thickness.top * s, thickness.right * s, thickness.bottom * s};
}

} // namespace ui::markup
