#pragma once

#include "ui/FormTable.h"

#include <vector>

namespace ui {

// Whether the Tab key stops at the control: what the user acts on, types into or scrolls
// through. Plain labels, pictures, frames and the progress bar only show something.
bool TakesFocus(const ControlEntry& control);
// The stops of the Tab key, in the order it reaches them (Shift+Tab walks it backwards).
std::vector<const ControlEntry*> FocusPath(const FormTable& form);
// Where the focus goes when the window opens: the first stop shown, or null.
const ControlEntry* FirstFocus(const FormTable& form);

} // namespace ui
