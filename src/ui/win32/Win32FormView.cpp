#include "ui/win32/Win32FormView.h"

#include "ui/Accessibility.h"
#include "ui/Keyboard.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/CallbackGuard.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32EventPump.h"

#include <algorithm>
#include <vector>

namespace ui::win32 {

namespace {

// Disables a shown, enabled window of the thread and notes it in the list. A failure passes
// that window by and goes on to the next.
BOOL CALLBACK DisableShownWindow(HWND other, LPARAM list) {
    return Guarded(other, BOOL{TRUE}, [&] {
        if (::IsWindowVisible(other) && ::IsWindowEnabled(other)) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(other);
            ::EnableWindow(other, FALSE);
        }
        return BOOL{TRUE};
    });
}

} // namespace

Win32FormView::Win32FormView(ViewEvents& events, PictureResources& pictures)
    : window(events, pictures) {}

ChildControl* Win32FormView::Live(ControlId id) {
    if (!window.Handle())
        return nullptr;
    ChildControl& control = window.Control(id);
    return control.window ? &control : nullptr;
}

void Win32FormView::SetCaption(ControlId id, std::u16string_view caption) {
    if (ChildControl* control = Live(id)) {
        ::SetWindowTextW(control->window, Wide(caption).c_str());
        ::InvalidateRect(control->window, nullptr, TRUE);
        const LONG_PTR style = ::GetWindowLongPtrW(control->window, GWL_STYLE);
        ::SetWindowLongPtrW(control->window, GWL_STYLE,
                            TakesFocusShowing(*control->entry, caption) ? style | WS_TABSTOP
                                                                        : style & ~WS_TABSTOP);
        // A new status or progress text is read out as it comes.
        if (AnnouncesChanges(*control->entry))
            AnnounceChange(control->window);
    }
}

std::u16string Win32FormView::Text(ControlId id) {
    ChildControl* control = Live(id);
    return control && control->entry->kind == ControlKind::TextBox
               ? FromWide(WindowText(control->window))
               : std::u16string();
}

bool Win32FormView::IsChecked(ControlId id) {
    ChildControl* control = Live(id);
    return control && ::SendMessageW(control->window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32FormView::SetVisible(ControlId id, bool visible) {
    ChildControl* control = Live(id);
    if (!control)
        return;
    if (control->entry->kind == ControlKind::ProgressBar)
        ::SendMessageW(control->window, PBM_SETMARQUEE, visible, 30);
    ::ShowWindow(control->window, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32FormView::SetForeColour(ControlId id, uint32_t colour) {
    if (ChildControl* control = Live(id)) {
        control->colour = colour;
        ::InvalidateRect(control->window, nullptr, TRUE);
    }
}

void Win32FormView::SetUnderline(ControlId id, bool underline) {
    if (ChildControl* control = Live(id))
        window.SetUnderline(*control, underline);
}

void Win32FormView::SetFocus(ControlId id) {
    if (ChildControl* control = Live(id))
        window.Focus(*control);
}

// Centred over the owner, or on the work area, and never out of the work area.
void Win32FormView::PlaceOnScreen(HWND over) {
    HWND self = window.Handle();
    const RECT work = WorkArea(self);
    RECT area = work, frame{};
    if (over && ::IsWindowVisible(over))
        ::GetWindowRect(over, &area);
    ::GetWindowRect(self, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int left = std::max(
        work.left, std::min(area.left + (area.right - area.left - width) / 2, work.right - width));
    const int top = std::max(
        work.top, std::min(area.top + (area.bottom - area.top - height) / 2, work.bottom - height));
    ::SetWindowPos(self, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Owned: above its owner and minimised with it, no button of its own.
void Win32FormView::Show(FormView* owner) {
    if (!window.Handle())
        return;
    auto* ownerView = static_cast<Win32FormView*>(owner);
    HWND ownerWindow = ownerView ? ownerView->window.Handle() : nullptr;
    if (ownerWindow)
        window.BecomeOwned(ownerWindow);
    PlaceOnScreen(ownerWindow);
    ::ShowWindow(window.Handle(), SW_SHOW);
    ::SetForegroundWindow(window.Handle());
    window.RestoreFocus();
}

// A nested message loop until the window is closed; the program's other windows do not
// take input meanwhile.
void Win32FormView::ShowModal() {
    if (!window.Handle())
        return;
    window.BecomeOwned(nullptr);
    std::vector<HWND> disabled;
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableShownWindow,
                        reinterpret_cast<LPARAM>(&disabled));
    PlaceOnScreen(nullptr);
    ::ShowWindow(window.Handle(), SW_SHOW);
    ::SetForegroundWindow(window.Handle());
    window.RestoreFocus();
    MSG message;
    while (window.Handle() && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchWithNavigation(&message);
    if (window.Handle() && message.message == WM_QUIT)
        ::PostQuitMessage(int(message.wParam));
    for (HWND other : disabled)
        ::EnableWindow(other, TRUE);
}

void Win32FormView::BringToFront() {
    HWND self = window.Handle();
    if (!self)
        return;
    if (::IsIconic(self))
        ::ShowWindow(self, SW_RESTORE);
    ::SetForegroundWindow(self);
}

// A modal loop waiting for a posted message wakes up and sees the window gone.
void Win32FormView::Close() {
    window.Destroy();
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
}

} // namespace ui::win32
