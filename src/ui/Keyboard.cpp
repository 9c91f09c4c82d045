#include "ui/Keyboard.h"

#include <algorithm>

namespace ui {

bool TakesFocus(const ControlEntry& control) {
    if (control.tabIndex == NoTabStop)
        return false;
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::TextBox:
    case ControlKind::MarkupLabel:
        return true;
    case ControlKind::Label:
        return control.link;
    case ControlKind::Picture:
    case ControlKind::ProgressBar:
    case ControlKind::GroupBox:
        return false;
    }
    return false;
}

bool TakesFocusShowing(const ControlEntry& control, std::u16string_view caption) {
    return TakesFocus(control) && !(control.kind == ControlKind::MarkupLabel && caption.empty());
}

std::vector<const ControlEntry*> FocusPath(const FormTable& form) {
    std::vector<const ControlEntry*> path = TabOrder(form);
    std::erase_if(path, [](const ControlEntry* control) { return !TakesFocus(*control); });
    return path;
}

const ControlEntry* FirstFocus(const FormTable& form) {
    for (const ControlEntry* control : FocusPath(form))
        if (control->visible)
            return control;
    return nullptr;
}

FocusMark FocusMarkOf(const FormTable& form, const ColourScheme& scheme, double dotsPerInch) {
    const uint32_t background = FormBackground(form, scheme);
    FocusMark mark{.colour = scheme.windowText,
                   .gap = std::max(1, Pixels(15, dotsPerInch)),
                   .width = std::max(2, Pixels(30, dotsPerInch))};
    for (uint32_t colour : {0x000000u, 0xFFFFFFu})
        if (ContrastRatio(colour, background) > ContrastRatio(mark.colour, background))
            mark.colour = colour;
    return mark;
}

std::array<PixelRect, 4> FocusMarkBars(const PixelRect& control, const FocusMark& mark) {
    const int out = mark.gap + mark.width;
    const int left = control.left - out, top = control.top - out;
    const int width = control.width + 2 * out, height = control.height + 2 * out;
    return {PixelRect{left, top, width, mark.width},
            PixelRect{left, top + height - mark.width, width, mark.width},
            PixelRect{left, top, mark.width, height},
            PixelRect{left + width - mark.width, top, mark.width, height}};
}

bool KeyClicks(const ControlEntry& control, int32_t keyCode) {
    const bool pressable = control.kind == ControlKind::PushButton ||
                           (control.kind == ControlKind::Label && control.link);
    return pressable && (keyCode == EnterKey || keyCode == SpaceKey);
}

} // namespace ui
