#include "ui/Keyboard.h"

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

} // namespace ui
