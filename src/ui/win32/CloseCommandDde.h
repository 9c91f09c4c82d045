#pragma once

#include "platform/win32/DdeSource.h"
#include "ui/ViewEvents.h"
#include "ui/win32/Win32Api.h"

#include <string>
#include <vector>

namespace ui::win32 {

// The main window's close command on Windows: a DDE server under the executable's name,
// topic FrmMain. DDEML's callback must not close the window, so each command waits for
// the window's turn: the window is sent Arrived and calls Deliver.
class CloseCommandDde {
public:
    static constexpr UINT Arrived = WM_APP + 1;

    CloseCommandDde(HWND window, ViewEvents& events);
    // The commands that arrived, in order.
    void Deliver();

private:
    ViewEvents& events;
    std::vector<std::u16string> waiting;
    platform::win32::DdeSource source;
};

} // namespace ui::win32
