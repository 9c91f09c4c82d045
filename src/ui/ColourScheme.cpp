#include "ui/ColourScheme.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

namespace ui {

namespace {

constexpr uint32_t PureBlack = 0x000000;
constexpr uint32_t PureWhite = 0xFFFFFF;

double Channel(uint32_t colour, int shift) {
    const double value = double(colour >> shift & 0xFF) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t colour) {
    return 0.2126 * Channel(colour, 0) + 0.7152 * Channel(colour, 8) + 0.0722 * Channel(colour, 16);
}

// What lies behind a text: its colour, and whether the system chose it.
struct Backdrop {
    uint32_t colour;
    bool system;
};

uint32_t MoreContrasting(uint32_t first, uint32_t second, uint32_t background) {
    return ContrastRatio(first, background) >= ContrastRatio(second, background) ? first : second;
}

// Text coloured on purpose, as the scheme shows it.
uint32_t SchemeColour(uint32_t colour, Backdrop backdrop, const ColourScheme& scheme) {
    switch (KindOf(scheme)) {
    case SchemeKind::HighContrast:
        if (colour == PureBlack || colour == DefaultColour)
            return scheme.windowText;
        return ContrastRatio(scheme.link, scheme.window) >= ReadableContrast ? scheme.link
                                                                             : scheme.windowText;
    case SchemeKind::Dark:
        if (colour != DefaultColour && ContrastRatio(colour, backdrop.colour) >= LeastContrast)
            return colour;
        if (backdrop.system && ContrastRatio(scheme.windowText, backdrop.colour) >= LeastContrast)
            return scheme.windowText;
        return MoreContrasting(PureBlack, PureWhite, backdrop.colour);
    case SchemeKind::Normal:
        break;
    }
    if (colour != DefaultColour)
        return colour;
    return backdrop.system ? scheme.windowText : PureBlack;
}

std::optional<Backdrop> BackdropOf(const markup::DisplayItem& item, markup::Point at,
                                   const ColourScheme& scheme) {
    const auto inside = [&](const markup::Rect& r) {
        return at.x >= r.x && at.x < r.x + r.width && at.y >= r.y && at.y < r.y + r.height;
    };
    if (auto* fill = std::get_if<markup::FilledRect>(&item); fill && inside(fill->rect))
        return Backdrop{fill->colour, false};
    if (auto* gradient = std::get_if<markup::GradientRect>(&item);
        gradient && inside(gradient->rect)) {
        const bool system =
            std::all_of(gradient->stops.begin(), gradient->stops.end(), [&](const auto& stop) {
                return stop.colour == scheme.gradientActiveCaption;
            });
        return Backdrop{markup::GradientColourAt(*gradient, at), system};
    }
    return std::nullopt;
}

} // namespace

SchemeKind KindOf(const ColourScheme& scheme) {
    if (scheme.highContrast)
        return SchemeKind::HighContrast;
    return Luminance(scheme.window) < 0.5 ? SchemeKind::Dark : SchemeKind::Normal;
}

double ContrastRatio(uint32_t first, uint32_t second) {
    const double a = Luminance(first), b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

uint32_t FormBackground(const FormTable& form, const ColourScheme& scheme) {
    if (KindOf(scheme) == SchemeKind::HighContrast || form.backColour == DefaultColour)
        return scheme.window;
    return form.backColour;
}

bool ShowsPicture(const ControlEntry& picture, const ColourScheme& scheme) {
    return picture.visible && !(picture.behindText && KindOf(scheme) == SchemeKind::HighContrast);
}

bool FillsItsBox(const ControlEntry& control, const ColourScheme& scheme) {
    return control.kind == ControlKind::Label && KindOf(scheme) == SchemeKind::HighContrast;
}

uint32_t TextColour(const FormTable& form, const ControlEntry& control, uint32_t set,
                    const ColourScheme& scheme) {
    uint32_t colour = set != DefaultColour ? set : control.foreColour;
    if (KindOf(scheme) == SchemeKind::HighContrast && !control.link)
        colour = DefaultColour;
    const bool system = form.backColour == DefaultColour;
    return SchemeColour(colour, {FormBackground(form, scheme), system}, scheme);
}

void ApplyScheme(markup::DisplayList& display, uint32_t background, const ColourScheme& scheme) {
    const bool highContrast = KindOf(scheme) == SchemeKind::HighContrast;
    for (size_t i = 0; i < display.items.size(); ++i) {
        markup::DisplayItem& item = display.items[i];
        if (auto* run = std::get_if<markup::TextRun>(&item)) {
            Backdrop backdrop{background, true};
            const markup::Point middle{run->x + run->width / 2, run->top + run->height / 2};
            for (size_t under = i; under-- > 0;)
                if (auto found = BackdropOf(display.items[under], middle, scheme)) {
                    backdrop = *found;
                    break;
                }
            if (highContrast)
                backdrop = {scheme.window, true};
            run->colour = SchemeColour(run->colour, backdrop, scheme);
        } else if (highContrast) {
            if (auto* fill = std::get_if<markup::FilledRect>(&item))
                fill->colour = scheme.window;
            else if (auto* gradient = std::get_if<markup::GradientRect>(&item))
                for (markup::GradientStop& stop : gradient->stops)
                    stop.colour = scheme.window;
            else if (auto* border = std::get_if<markup::BorderRect>(&item))
                border->colour = scheme.windowText;
        }
    }
}

} // namespace ui
