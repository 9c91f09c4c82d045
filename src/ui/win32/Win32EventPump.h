#pragma once

#include "platform/EventPump.h"

namespace ui::win32 {

// Runs the window messages waiting on this thread: windows repaint and take clicks
// during a wait. Keyboard navigation goes through each window as in a dialog.
class Win32EventPump : public platform::EventPump {
public:
    void ProcessPendingEvents() override;
};

// Hands one message to its window, with Tab, Shift+Tab and Esc handled as in a dialog.
void DispatchWithNavigation(const void* message);

} // namespace ui::win32
