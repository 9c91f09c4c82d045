#pragma once

#include "platform/win32/DdeSource.h"
#include "ui/FormView.h"
#include "ui/win32/PictureResources.h"
#include "ui/win32/Win32Api.h"

#include <memory>
#include <string>
#include <vector>

namespace ui::win32 {

// One window of the program built from its form's table: standard controls (static,
// button, edit, progress bar), the markup label, and the pictures painted into the
// window's own background, which the labels and frames show through. Sizes follow the
// monitor's DPI, tab order the table's, and the main window takes the DDE close command.
class FormWindow : public FormView {
public:
    static constexpr const wchar_t* ClassName = L"AsistenciaRemota.Form";
    static void RegisterClass(HINSTANCE instance);

    FormWindow(const FormTable& form, FormEvents& events, PictureResources& pictures);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    void SetCaption(ControlId control, std::u16string_view caption) override;
    std::u16string Text(ControlId control) override;
    bool IsChecked(ControlId control) override;
    void SetVisible(ControlId control, bool visible) override;
    void SetForeColour(ControlId control, uint32_t colour) override;
    void SetUnderline(ControlId control, bool underline) override;
    void SetFocus(ControlId control) override;
    void Show(FormView* owner) override;
    void ShowModal() override;
    void BringToFront() override;
    void Close() override;

    // The window of a control of a form built from that table, as automation finds it:
    // a control's id is its place in the table.
    static HWND FindControlWindow(HWND form, const FormTable& table, ControlId control);

    HWND Handle() const { return window; }
    // The window of a control; null for a picture, which the window paints itself.
    HWND ControlWindow(ControlId control) const;

private:
    struct Control {
        const ControlEntry* entry = nullptr;
        HWND window = nullptr;
        RECT place{}; // in the client area, in pixels
        HFONT font = nullptr, underlinedFont = nullptr;
        uint32_t colour = DefaultColour;
        bool underline = false;
        HICON icon = nullptr;
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM w, LPARAM l,
                                             UINT_PTR id, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    LRESULT HandleControl(Control& control, UINT message, WPARAM w, LPARAM l);
    void CreateControls();
    void CreateToolTips();
    void ApplyDpi(UINT dpi);
    void ComposeBackground();
    void PaintProgressText(Control& control);
    void ReleaseGdi();
    Control* Find(ControlId control);
    const Control* Find(ControlId control) const;
    Control* FindWindow(HWND child);
    ControlId IdOf(const Control& control) const;
    ControlId PointedAt(POINT point) const;
    void PlaceOnScreen(HWND over);

    FormTable table;
    FormEvents& events;
    PictureResources& pictures;
    HWND window = nullptr;
    UINT dpi = 96;
    std::vector<Control> controls;
    HBITMAP background = nullptr;
    HBRUSH backgroundBrush = nullptr;
    HWND focusBeforeDeactivation = nullptr;
    bool modal = false;
    std::unique_ptr<platform::win32::DdeSource> closeCommand;
    std::vector<std::u16string> commands; // DDE commands waiting for the window's turn
};

} // namespace ui::win32
