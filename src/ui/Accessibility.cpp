#include "ui/Accessibility.h"

namespace ui {

Role RoleOf(const ControlEntry& control) {
    switch (control.kind) {
    case ControlKind::Label:
        return control.link ? Role::Link : Role::Label;
    case ControlKind::MarkupLabel:
        return Role::Text;
    case ControlKind::PushButton:
        return Role::PushButton;
    case ControlKind::CheckBox:
        return Role::CheckBox;
    case ControlKind::TextBox:
        return Role::TextBox;
    case ControlKind::ProgressBar:
        return Role::ProgressBar;
    case ControlKind::Picture:
    case ControlKind::GroupBox:
        return Role::Hidden;
    }
    return Role::Hidden;
}

std::u16string AccessibleName(const FormTable& form, const ControlEntry& control,
                              std::u16string_view shown) {
    if (!control.labelledBy.empty())
        if (const ControlEntry* label = FindControl(form, control.labelledBy))
            return label->caption;
    if (!control.accessibleName.empty()) {
        std::u16string name(control.accessibleName);
        if (control.kind == ControlKind::Label && !shown.empty()) {
            name += u' ';
            name += shown;
        }
        return name;
    }
    if (control.kind == ControlKind::TextBox)
        return {};
    if (!shown.empty())
        return std::u16string(shown);
    return std::u16string(control.toolTip);
}

bool AnnouncesChanges(const ControlEntry& control) {
    return control.kind == ControlKind::MarkupLabel || control.kind == ControlKind::ProgressBar;
}

} // namespace ui
