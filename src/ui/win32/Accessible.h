#pragma once

#include "ui/win32/Win32Api.h"

#include <functional>
#include <string>

namespace ui::win32 {

// What a screen reader is told about a control, asked afresh on every question: the
// standard object of its window says the rest (place, focus, keyboard shortcut).
struct AccessibleFacts {
    std::wstring name;
    long role = 0;  // ROLE_SYSTEM_*
    long state = 0; // STATE_SYSTEM_* added to the standard ones
    bool hasValue = false;
    std::wstring value;  // read-only text's words, instead of the window's text
    std::wstring action; // what the default action does, when it has one
};

// The answer to WM_GETOBJECT for a control's client area; 0 leaves other questions, and a
// failure, to the system. act does the default action.
LRESULT AnswerGetObject(HWND control, WPARAM w, LPARAM l, std::function<AccessibleFacts()> facts,
                        std::function<void()> act);

// Tells screen readers that what the control says has changed, to be read out at once.
void AnnounceChange(HWND control);

} // namespace ui::win32
