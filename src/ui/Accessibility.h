#pragma once

#include "ui/FormTable.h"

#include <string>
#include <string_view>

namespace ui {

// What a screen reader says a control is.
enum class Role {
    Hidden, // decorative: pictures and the frame around them
    Label,
    Link,
    Text, // a markup label: read-only text that scrolls
    PushButton,
    CheckBox,
    TextBox,
    ProgressBar,
};

Role RoleOf(const ControlEntry& control);

// What a screen reader calls the control, given what it shows now (a label's caption, a
// markup label's plain text, a progress bar's status): a text box the caption of the label
// that names it, or its own name; a label with a name of its own, that name and what it
// shows ("Su ID 123.456.789"); other controls their caption, else their tooltip.
std::u16string AccessibleName(const FormTable& form, const ControlEntry& control,
                              std::u16string_view shown);

// Whether a new caption of the control is read out as it comes, wherever the focus is: the
// answer of a lookup and the progress of a request, which the user waits for.
bool AnnouncesChanges(const ControlEntry& control);

} // namespace ui
