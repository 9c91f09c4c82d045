#pragma once

#include "ui/ColourScheme.h"
#include "ui/FormTable.h"
#include "ui/Scale.h"

#include <array>
#include <cstdint>
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

// Windows key codes, as the windows' key events carry them.
inline constexpr int32_t EnterKey = 13, SpaceKey = 32;
// Whether the key pressed on the focused control clicks it: Enter and Space press a push
// button and follow a link. A window has no default button, so Enter elsewhere does not.
bool KeyClicks(const ControlEntry& control, int32_t keyCode);

// The mark of the keyboard focus: a frame just outside the focused control, in the colour that
// stands out most from the window's background (the guidelines ask 3:1 of a focus mark).
struct FocusMark {
    uint32_t colour = 0;
    int gap = 1;   // pixels between the control and the frame
    int width = 2; // the frame's thickness in pixels, never less than two
};
FocusMark FocusMarkOf(const FormTable& form, const ColourScheme& scheme, double dotsPerInch);
// The four bars of the frame around a control's place: top, bottom, left, right.
std::array<PixelRect, 4> FocusMarkBars(const PixelRect& control, const FocusMark& mark);

} // namespace ui
