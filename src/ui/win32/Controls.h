#pragma once

#include "ui/FormTable.h"
#include "ui/ViewEvents.h"
#include "ui/win32/Win32Api.h"

#include <vector>

namespace ui::win32 {

// One control of a window as the Win32 front end keeps it.
struct ChildControl {
    const ControlEntry* entry = nullptr;
    HWND window = nullptr; // null for a picture, which the window paints itself
    RECT place{};          // in the client area, in pixels
    HFONT font = nullptr, underlinedFont = nullptr;
    uint32_t colour = DefaultColour;
    bool underline = false;
    HICON icon = nullptr;

    ControlId Id() const { return {entry->name, entry->index}; }
    void ReleaseGdi();
};

// The child window of a control (static, button, edit, progress bar, markup label), hidden
// or shown as the table says; null for a picture. id is the control's dialog item id.
HWND CreateChildWindow(const ControlEntry& control, HWND form, int id);
// The tooltips of the push buttons that have one.
void AddToolTips(HWND form, const std::vector<ChildControl>& controls);
// The control's font at that resolution, from the system's message font.
HFONT MakeFont(const Font& font, UINT dpi, bool underline);
int LineHeight(HFONT font);

// What the standard controls do not report by themselves: the pointer and presses over a
// label, keys in a text box, and the status text on the progress bar. Returns the
// message's result.
LRESULT ControlMessage(ChildControl& control, ViewEvents& events, UINT message, WPARAM w, LPARAM l);

} // namespace ui::win32
