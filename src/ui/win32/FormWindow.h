#pragma once

#include "ui/ColourScheme.h"
#include "ui/ViewEvents.h"
#include "ui/win32/CloseCommandDde.h"
#include "ui/win32/Controls.h"
#include "ui/win32/PictureResources.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/WindowScroll.h"

#include <memory>
#include <vector>

namespace ui::win32 {

// A window built from its form's table: standard controls (static, button, edit, progress
// bar), the markup label, and the pictures and frame painted into the window's own
// background, which the labels show through. Sizes follow the monitor's DPI, colours the
// system's scheme, the Tab key the focus path. What the user does, Esc included, goes to
// the window's events.
class FormWindow {
public:
    static constexpr const wchar_t* ClassName = L"AsistenciaRemota.Form";
    static void RegisterClass(HINSTANCE instance);

    FormWindow(ViewEvents& events, PictureResources& pictures);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Null once the window is destroyed.
    HWND Handle() const { return window; }
    // Throws std::out_of_range for a control the table lacks.
    ChildControl& Control(ControlId control);
    // The window of a control of a form built from that table, as automation finds it:
    // a control's dialog item id is its place in the table.
    static HWND FindControlWindow(HWND form, const FormTable& table, ControlId control);

    void SetUnderline(ChildControl& control, bool underline);
    // Focus goes to the control, and comes back to it when the window is active again.
    void Focus(ChildControl& control);
    // Focus back where it was in the window, else to its first stop.
    void RestoreFocus();
    // Owned windows and modal ones have no minimise button.
    void BecomeOwned(HWND owner);
    void Destroy();

    // The colours the user chose for the system: a high-contrast setting, or a light or
    // dark scheme.
    static ColourScheme SystemScheme();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM w, LPARAM l,
                                             UINT_PTR id, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    void CreateControls();
    void ApplyDpi(UINT dpi);
    // The focus mark around the focused control, unless the system hides focus marks until
    // the keyboard is used (WM_UPDATEUISTATE); and the place it takes around a control.
    void PaintFocusMark(HDC dc);
    void InvalidateFocusMark(const ChildControl& control);
    void ComposeBackground();
    // The system's colours as they are now, on the window and its labels.
    void TakeScheme();
    void ReleaseGdi();
    ChildControl* FindWindow(HWND child);

    ViewEvents& events;
    const FormTable& table;
    PictureResources& pictures;
    HWND window = nullptr;
    UINT dpi = 96;
    SIZE content{}; // the table's client size at that resolution
    WindowScroll scroll;
    ColourScheme scheme = SystemScheme();
    std::vector<ChildControl> controls; // in the table's order
    HBITMAP background = nullptr;
    HBRUSH backgroundBrush = nullptr;
    HWND focusBeforeDeactivation = nullptr;
    std::unique_ptr<CloseCommandDde> closeCommand;
};

} // namespace ui::win32
