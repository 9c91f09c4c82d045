#include "ui/win32/CallbackGuard.h"

#include "ui/ViewEvents.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Dialogs.h"

namespace ui::win32 {

void ReportCallbackFailure(HWND window, std::exception_ptr failure) noexcept {
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    try {
        HWND top = window ? ::GetAncestor(window, GA_ROOT) : nullptr;
        Win32Dialogs dialogs;
        ReportFailure(dialogs, top ? FromWide(WindowText(top)) : std::u16string(),
                      HandlerFailureText(failure));
    } catch (...) {
        // Nothing is left to tell the user with; the program carries on.
    }
    reporting = false;
}

} // namespace ui::win32
