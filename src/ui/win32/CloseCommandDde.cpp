#include "ui/win32/CloseCommandDde.h"

#include "ui/win32/CallbackGuard.h"

namespace ui::win32 {

CloseCommandDde::CloseCommandDde(HWND window, ViewEvents& events)
    : events(events), source(u"FrmMain", [this, window](std::u16string_view command) {
          Guarded(window, [&] {
              waiting.emplace_back(command);
              ::PostMessageW(window, Arrived, 0, 0);
          });
      }) {}

void CloseCommandDde::Deliver() {
    std::vector<std::u16string> arrived;
    arrived.swap(waiting);
    for (const std::u16string& command : arrived)
        events.CommandArrived(command);
}

} // namespace ui::win32
