#pragma once

#include "ui/ColourScheme.h"
#include "ui/FormTable.h"
#include "ui/Scale.h"

#include <array>
#include <string_view>
#include <vector>

namespace ui {

// Whether the Tab key stops at the control: what the user acts on, types into or scrolls
// through. Plain labels, pictures, frames and the progress bar only show something.
bool TakesFocus(const ControlEntry& control);
// Whether the control is a stop while it shows that caption: a markup label with nothing in
// it has nothing to read or scroll, so Tab passes it by until it shows something.
bool TakesFocusShowing(const ControlEntry& control, std::u16string_view caption);
// The stops of the Tab key, in the order it reaches them (Shift+Tab walks it backwards).
std::vector<const ControlEntry*> FocusPath(const FormTable& form);
// Where the focus goes when the window opens: the first stop shown, or null.
const ControlEntry* FirstFocus(const FormTable& form);

} // namespace ui
