#pragma once

#include "ui/markup/DisplayList.h"
#include "ui/markup/MarkupTree.h"
#include "ui/markup/NamedColours.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ui::markup {

// A solid colour, or a linear gradient when stops is not empty.
struct Brush {
    MarkupColour solid;
    Point start{0, 0};
    Point end{1, 1};
    std::vector<GradientStop> stops; // sorted, from offset 0 to 1 when two or more
};

// The brush of a property such as Background: the attribute (a colour) or the property
// element (<Border.Background> holding a SolidColorBrush or a LinearGradientBrush). nullopt
// when neither gives a usable brush.
std::optional<Brush> ReadBrush(const Node& element, std::u16string_view property,
                               Colour systemColour);

// Appends what the brush paints over rect (nothing for a transparent brush or an empty rect).
void PaintBrush(const Brush& brush, const Rect& rect, std::vector<DisplayItem>& items);

// One colour standing for the brush, for frames: a gradient gives its middle colour.
MarkupColour SolidColourOf(const Brush& brush);

} // namespace ui::markup
