#pragma once

#include "ui/FormView.h"
#include "ui/win32/FormWindow.h"

namespace ui::win32 {

// The view of a form over its Win32 window.
class Win32FormView : public FormView {
public:
    Win32FormView(ViewEvents& events, PictureResources& pictures);

    FormWindow& Window() { return window; }

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

private:
    // The control's child window; null once the window is closed and for a picture.
    ChildControl* Live(ControlId control);
    void PlaceOnScreen(HWND over);

    FormWindow window;
};

} // namespace ui::win32
