#include "ui/win32/Controls.h"

#include "ui/win32/Dpi.h"
#include "ui/win32/MarkupLabel.h"
#include "ui/win32/WideText.h"

#include <algorithm>
#include <cmath>

namespace ui::win32 {

namespace {

struct ChildClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ChildClass ClassOf(const ControlEntry& control) {
    switch (control.kind) {
    case ControlKind::Label:
        // Only a label that reports the pointer takes mouse messages from its window.
        return {L"STATIC",
                SS_LEFT | SS_NOPREFIX | (control.link || control.tracksPointer ? SS_NOTIFY : 0u),
                0};
    case ControlKind::MarkupLabel:
        return {MarkupLabel::ClassName, 0, 0};
    case ControlKind::PushButton:
        return {L"BUTTON", DWORD(BS_PUSHBUTTON | (control.caption.empty() ? BS_ICON : 0)), 0};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::TextBox:
        return {L"EDIT",
                DWORD(control.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                        : ES_AUTOHSCROLL),
                WS_EX_CLIENTEDGE};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, PBS_MARQUEE, 0};
    case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Picture:
        break;
    }
    return {nullptr, 0, 0};
}

bool IsSingleLineEdit(const ControlEntry& control) {
    return control.kind == ControlKind::TextBox && !control.multiLine;
}

// The bar as the system draws it, with the status text centred on it.
void PaintStatusText(const ChildControl& control) {
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(control.window, &paint);
    RECT client{};
    ::GetClientRect(control.window, &client);
    HDC dc = ::CreateCompatibleDC(target);
    HBITMAP bitmap =
        ::CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom));
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DefSubclassProc(control.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                      PRF_CLIENT | PRF_ERASEBKGND);
    const std::wstring text = WindowText(control.window);
    ::SelectObject(dc, control.font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    RECT area = client;
    ::DrawTextW(dc, text.c_str(), int(text.size()), &area,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(control.window, &paint);
}

// Presses, releases and moves over a label go to the core, which knows links.
LRESULT LabelMessage(ChildControl& control, ViewEvents& events, UINT message, LPARAM l) {
    HWND label = control.window;
    switch (message) {
    case WM_MOUSEMOVE:
        events.PointerMoved(control.Id());
        return 0;
    case WM_LBUTTONDOWN:
        ::SetCapture(label);
        events.Pressed(control.Id());
        return 0;
    case WM_LBUTTONUP: {
        if (::GetCapture() == label)
            ::ReleaseCapture();
        RECT area{};
        ::GetClientRect(label, &area);
        events.Released(control.Id(), ::PtInRect(&area, {GET_X_LPARAM(l), GET_Y_LPARAM(l)}));
        return 0;
    }
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, ViewEvents::PointerOver(*control.entry) == Pointer::Hand
                                               ? IDC_HAND
                                               : IDC_ARROW));
        return TRUE;
    }
    return -1;
}

} // namespace

void ChildControl::ReleaseGdi() {
    for (HGDIOBJ made : {font, underlinedFont})
        if (made)
            ::DeleteObject(made);
    if (icon)
        ::DestroyIcon(icon);
    font = underlinedFont = nullptr;
    icon = nullptr;
}

HWND CreateChildWindow(const ControlEntry& control, HWND form, int id) {
    const ChildClass type = ClassOf(control);
    if (!type.name)
        return nullptr;
    const DWORD style = WS_CHILD | type.style | (control.visible ? WS_VISIBLE : 0) |
                        (control.tabIndex >= 0 ? WS_TABSTOP : 0);
    return ::CreateWindowExW(type.exStyle, type.name, Wide(control.caption).c_str(), style, 0, 0, 0,
                             0, form, reinterpret_cast<HMENU>(intptr_t(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

void AddToolTips(HWND form, const std::vector<ChildControl>& controls) {
    HWND tips = nullptr;
    for (const ChildControl& control : controls) {
        if (control.entry->toolTip.empty() || !control.window)
            continue;
        if (!tips)
            tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, 0, 0,
                                     0, 0, form, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        std::wstring text = Wide(control.entry->toolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = form;
        tool.uId = reinterpret_cast<UINT_PTR>(control.window);
        tool.lpszText = text.data();
        ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

HFONT MakeFont(const Font& font, UINT dpi, bool underline) {
    LOGFONTW face = MessageFont(dpi);
    if (!font.name.empty()) {
        std::fill(std::begin(face.lfFaceName), std::end(face.lfFaceName), L'\0');
        std::copy_n(font.name.begin(), std::min<size_t>(font.name.size(), LF_FACESIZE - 1),
                    face.lfFaceName);
    }
    if (font.points > 0)
        face.lfHeight = -std::lround(font.points * dpi / 72.0);
    face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = font.italic;
    face.lfUnderline = font.underline || underline;
    face.lfQuality = CLEARTYPE_QUALITY;
    return ::CreateFontIndirectW(&face);
}

int LineHeight(HFONT font) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SelectObject(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::DeleteDC(dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

LRESULT ControlMessage(ChildControl& control, ViewEvents& events, UINT message, WPARAM w,
                       LPARAM l) {
    const ControlEntry& entry = *control.entry;
    HWND child = control.window;
    if (entry.kind == ControlKind::Label)
        if (const LRESULT handled = LabelMessage(control, events, message, l); handled != -1)
            return handled;
    if (entry.kind == ControlKind::TextBox) {
        const bool enter = message == WM_KEYDOWN && w == VK_RETURN;
        if (message == WM_KEYDOWN) {
            events.KeyPressed(control.Id(), int32_t(w));
            if (enter && IsSingleLineEdit(entry))
                return 0;
        }
        // Enter belongs to a one-line box (no beep, no default button): the lookup.
        if (IsSingleLineEdit(entry) && message == WM_CHAR && w == L'\r')
            return 0;
        if (IsSingleLineEdit(entry) && message == WM_GETDLGCODE && l &&
            reinterpret_cast<const MSG*>(l)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(l)->wParam == VK_RETURN)
            return ::DefSubclassProc(child, message, w, l) | DLGC_WANTMESSAGE;
    }
    if (entry.kind == ControlKind::ProgressBar && message == WM_PAINT) {
        PaintStatusText(control);
        return 0;
    }
    if (entry.kind == ControlKind::ProgressBar && message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(control.font);
    return ::DefSubclassProc(child, message, w, l);
}

} // namespace ui::win32
