#pragma once

#include "ui/FormTable.h"

#include <cstdint>
#include <vector>

namespace ui {

// Whether the Tab key stops at the control: what the user acts on, types into or scrolls
// through. Plain labels, pictures, frames and the progress bar only show something.
bool TakesFocus(const ControlEntry& control);
// The stops of the Tab key, in the order it reaches them (Shift+Tab walks it backwards).
std::vector<const ControlEntry*> FocusPath(const FormTable& form);
// Where the focus goes when the window opens: the first stop shown, or null.
const ControlEntry* FirstFocus(const FormTable& form);

// Windows key codes, as the windows' key events carry them.
inline constexpr int32_t EnterKey = 13, SpaceKey = 32;
// Whether the key pressed on the focused control clicks it: Enter and Space press a push
// button and follow a link. A window has no default button, so Enter elsewhere does not.
bool KeyClicks(const ControlEntry& control, int32_t keyCode);

} // namespace ui
