#pragma once

#include "ui/win32/Win32Api.h"

#include <exception>

namespace ui::win32 {

// Tells the user of a failure that reached a callback of the system: the failure message
// every window shows, titled with the caption of the window's top-level window. A failure
// while such a box shows is not told again, so one failing paint cannot stack boxes.
void ReportCallbackFailure(HWND window, std::exception_ptr failure) noexcept;

// Every procedure, enumeration callback and COM method the system calls runs through this:
// unwinding through the system's frames would end the program, so a failure is told over
// the window the call concerns and the call answers `failed`.
template <typename Result, typename Body>
Result Guarded(HWND window, Result failed, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        ReportCallbackFailure(window, std::current_exception());
        return failed;
    }
}
// The same for a call that answers nothing.
template <typename Body> void Guarded(HWND window, Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        ReportCallbackFailure(window, std::current_exception());
    }
}

} // namespace ui::win32
