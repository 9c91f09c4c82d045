#pragma once

#include "ui/markup/DisplayList.h"
#include "ui/markup/NamedColours.h"

#include <optional>
#include <string_view>

namespace ui::markup {

// Attribute values as XAML writes them, read leniently: surrounding blanks are ignored,
// keywords match ignoring case, and a value that cannot be read gives nullopt so the
// property keeps its default. Lengths are in device-independent units.

enum class Alignment { Start, Center, End, Stretch };

// Lengths and thicknesses are clamped to 0..MaxLength: negative ones are taken as 0 and
// huge ones cannot push coordinates out of range.
inline constexpr double MaxLength = 100000;

std::optional<double> ParseNumber(std::u16string_view text);
// A number with an optional unit: px (the default), in, cm, pt.
std::optional<double> ParseLength(std::u16string_view text);
// "10" for every side, "h,v", or "l,t,r,b"; commas or blanks between.
std::optional<Thickness> ParseThickness(std::u16string_view text);
// "x,y" as in StartPoint='0.5, 0'.
std::optional<Point> ParsePoint(std::u16string_view text);
// A named colour, "#RRGGBB", "#AARRGGBB", "#RGB", "#ARGB", or the system colour reference
// {x:Static SystemColors.GradientActiveCaptionColor} (given as systemColour).
std::optional<MarkupColour> ParseColour(std::u16string_view text, Colour systemColour);
// HorizontalAlignment (Left, Center, Right, Stretch) and VerticalAlignment (Top, Center,
// Bottom, Stretch).
std::optional<Alignment> ParseHorizontalAlignment(std::u16string_view text);
std::optional<Alignment> ParseVerticalAlignment(std::u16string_view text);
// TextAlignment: Left, Center, Right (Justify is shown as Left).
std::optional<Alignment> ParseTextAlignment(std::u16string_view text);
// FontWeight names (Normal, SemiBold, Bold, Black ...) or a weight 1 to 999: whether the
// text is drawn bold (semi-bold and heavier).
std::optional<bool> ParseBold(std::u16string_view text);
// TextWrapping: Wrap and WrapWithOverflow wrap, NoWrap does not.
std::optional<bool> ParseWrapping(std::u16string_view text);

} // namespace ui::markup
