#pragma once

#include "ui/ColourScheme.h"
#include "ui/MarkupTheme.h"
#include "ui/markup/DisplayList.h"
#include "ui/markup/MarkupLayout.h"
#include "ui/markup/MarkupTree.h"
#include "ui/win32/GdiFonts.h"
#include "ui/win32/Win32Api.h"

#include <string>

namespace ui::win32 {

// The label that shows a caption in the markup subset: a window class of its own that
// lays the caption out for its size and paints the display list, with a vertical scroll
// bar (wheel, keys and touch panning) when the content is taller than the label. Its
// background is the one its parent gives static controls.
class MarkupLabel {
public:
    static constexpr const wchar_t* ClassName = L"AsistenciaRemota.MarkupLabel";
    static void RegisterClass(HINSTANCE instance);

    // The label of a window of that class.
    static MarkupLabel* Of(HWND window);

    void SetCaption(std::u16string_view caption);
    const std::u16string& Caption() const { return caption; }
    // The default font (family, size in points) and the scale of the layout.
    void SetStyle(std::u16string family, double points, double dpi);
    // The colours of the system, and the window's background behind the label.
    void SetScheme(const ColourScheme& colours, uint32_t background);
    const markup::DisplayList& Content() const { return content.display; }
    // The words the caption shows, for screen readers.
    std::u16string PlainText() const;
    double ScrollOffset() const { return scroll; }

private:
    explicit MarkupLabel(HWND window) : window(window) {}
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    void Relayout();
    void ScrollTo(double offset);
    void Paint(HDC dc);
    int VisibleHeight() const;

    HWND window;
    std::u16string caption;
    markup::Document document;
    markup::ScrollingLayout content;
    MarkupLook look;
    GdiFonts fonts;
    double scroll = 0;
    int wheelRest = 0;
    bool layingOut = false;
    HFONT font = nullptr; // the control's font, for WM_GETFONT; SetStyle lays out with it
};

} // namespace ui::win32
