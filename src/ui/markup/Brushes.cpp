#include "ui/markup/Brushes.h"

#include "ui/markup/PropertyValues.h"

#include <algorithm>

namespace ui::markup {
namespace {

bool IsPropertyElement(const Node& node, std::u16string_view property) {
    const size_t dot = node.name.rfind(u'.');
    return node.kind == Node::Kind::Element && dot != std::u16string::npos &&
           std::u16string_view(node.name).substr(dot + 1) == property;
}

void AddStop(const Node& node, Colour systemColour, std::vector<GradientStop>& stops) {
    const auto* colourText = node.Find(u"Color");
    const auto colour = colourText ? ParseColour(*colourText, systemColour) : std::nullopt;
    if (!colour) {
        return;
    }
    const auto* offsetText = node.Find(u"Offset");
    const auto offset = offsetText ? ParseNumber(*offsetText) : std::nullopt;
    stops.push_back({std::clamp(offset.value_or(0.0), -MaxLength, MaxLength), colour->colour});
}

// The stops may stand directly in the brush, in <LinearGradientBrush.GradientStops>, and
// there in a GradientStopCollection.
void CollectStops(const Node& parent, Colour systemColour, int depth,
                  std::vector<GradientStop>& stops) {
    for (const Node& child : parent.children) {
        if (child.IsElement(u"GradientStop")) {
            AddStop(child, systemColour, stops);
        } else if (depth < 2 && (IsPropertyElement(child, u"GradientStops") ||
                                 child.IsElement(u"GradientStopCollection"))) {
            CollectStops(child, systemColour, depth + 1, stops);
        }
    }
}

// The same colours with stops from exactly 0 to 1, what painters' gradients accept.
std::vector<GradientStop> OnUnitSpan(const std::vector<GradientStop>& sorted) {
    std::vector<GradientStop> stops{{0, ColourAtOffset(sorted, 0)}};
    for (const GradientStop& stop : sorted) {
        if (stop.offset > 0 && stop.offset < 1) {
            stops.push_back(stop);
        }
    }
    stops.push_back({1, ColourAtOffset(sorted, 1)});
    return stops;
}

std::optional<Brush> GradientBrush(const Node& node, Colour systemColour) {
    Brush brush;
    if (const auto* start = node.Find(u"StartPoint")) {
        brush.start = ParsePoint(*start).value_or(brush.start);
    }
    if (const auto* end = node.Find(u"EndPoint")) {
        brush.end = ParsePoint(*end).value_or(brush.end);
    }
    CollectStops(node, systemColour, 0, brush.stops);
    if (brush.stops.empty()) {
        return std::nullopt;
    }
    std::stable_sort(
        brush.stops.begin(), brush.stops.end(),
        [](const GradientStop& a, const GradientStop& b) { return a.offset < b.offset; });
    brush.solid = {brush.stops.front().colour, 255};
    if (brush.stops.size() >= 2) {
        brush.stops = OnUnitSpan(brush.stops);
    }
    return brush;
}

std::optional<Brush> BrushElement(const Node& node, Colour systemColour) {
    if (node.IsElement(u"LinearGradientBrush")) {
        return GradientBrush(node, systemColour);
    }
    if (node.IsElement(u"SolidColorBrush")) {
        const auto* colourText = node.Find(u"Color");
        const auto colour = colourText ? ParseColour(*colourText, systemColour) : std::nullopt;
        return colour ? std::optional<Brush>(Brush{*colour, {}, {}, {}}) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<Brush> ReadBrush(const Node& element, std::u16string_view property,
                               Colour systemColour) {
    if (const auto* value = element.Find(property)) {
        if (const auto colour = ParseColour(*value, systemColour)) {
            return Brush{*colour, {}, {}, {}};
        }
    }
    for (const Node& child : element.children) {
        if (!IsPropertyElement(child, property)) {
            continue;
        }
        for (const Node& brush : child.children) {
            if (auto read = BrushElement(brush, systemColour)) {
                return read;
            }
        }
    }
    return std::nullopt;
}

void PaintBrush(const Brush& brush, const Rect& rect, std::vector<DisplayItem>& items) {
    if (rect.width <= 0 || rect.height <= 0) {
        return;
    }
    const bool degenerate = brush.start.x == brush.end.x && brush.start.y == brush.end.y;
    if (brush.stops.size() >= 2 && !degenerate) {
        items.push_back(GradientRect{rect, brush.start, brush.end, brush.stops});
    } else if (brush.stops.size() >= 2) {
        items.push_back(FilledRect{rect, brush.stops.back().colour});
    } else if (brush.solid.alpha != 0) {
        items.push_back(FilledRect{rect, brush.solid.colour});
    }
}

MarkupColour SolidColourOf(const Brush& brush) {
    if (brush.stops.size() < 2) {
        return brush.solid;
    }
    return {ColourAtOffset(brush.stops, 0.5), 255};
}

} // namespace ui::markup
