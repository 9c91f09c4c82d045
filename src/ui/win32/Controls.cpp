#include "ui/win32/Controls.h"

#include "ui/Accessibility.h"
#include "ui/Keyboard.h"
#include "ui/win32/Accessible.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MarkupLabel.h"
#include "ui/win32/WideText.h"

#include <algorithm>
#include <cmath>
#include <oleacc.h>

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
    case ControlKind::GroupBox: // drawn into the background, out of screen readers' way
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
LRESULT LabelMessage(ChildControl& control, ViewEvents& events, UINT message, WPARAM w, LPARAM l) {
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
    case WM_KEYDOWN: // Enter arrives from the dialog manager as IDOK
        if (KeyClicks(*control.entry, int32_t(w))) {
            events.Clicked(control.Id());
            return 0;
        }
        break;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, ViewEvents::PointerOver(*control.entry) == Pointer::Hand
                                               ? IDC_HAND
                                               : IDC_ARROW));
        return TRUE;
    }
    return -1;
}

long SystemRole(Role role) {
    switch (role) {
    case Role::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case Role::Link:
        return ROLE_SYSTEM_LINK;
    case Role::Text:
    case Role::TextBox:
        return ROLE_SYSTEM_TEXT;
    case Role::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case Role::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case Role::ProgressBar:
        return ROLE_SYSTEM_PROGRESSBAR;
    case Role::Hidden:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

// The markup label reads as read-only text of its words, not its markup.
AccessibleFacts FactsOf(const ChildControl& control, const FormTable& form) {
    const ControlEntry& entry = *control.entry;
    const Role role = RoleOf(entry);
    AccessibleFacts facts;
    facts.role = SystemRole(role);
    std::u16string shown;
    if (entry.kind == ControlKind::MarkupLabel) {
        shown = MarkupLabel::Of(control.window)->PlainText();
        facts.state = STATE_SYSTEM_READONLY;
        facts.hasValue = true;
        facts.value = Wide(shown);
    } else if (entry.kind != ControlKind::TextBox) {
        shown = FromWide(WindowText(control.window));
    }
    if (entry.kind == ControlKind::CheckBox &&
        ::SendMessageW(control.window, BM_GETCHECK, 0, 0) == BST_CHECKED)
        facts.state |= STATE_SYSTEM_CHECKED;
    if (entry.link)
        facts.state |= STATE_SYSTEM_LINKED;
    facts.name = Wide(AccessibleName(form, entry, shown));
    if (role == Role::PushButton)
        facts.action = L"Presionar";
    else if (role == Role::CheckBox)
        facts.action = facts.state & STATE_SYSTEM_CHECKED ? L"Desactivar" : L"Activar";
    else if (role == Role::Link)
        facts.action = L"Saltar";
    return facts;
}

// A screen reader's press, posted: it returns before what the press opens.
void DefaultAction(const ChildControl& control) {
    if (control.entry->link)
        ::PostMessageW(::GetParent(control.window), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(control.window), STN_CLICKED),
                       reinterpret_cast<LPARAM>(control.window));
    else
        ::PostMessageW(control.window, BM_CLICK, 0, 0);
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
                        (TakesFocusShowing(control, control.caption) ? WS_TABSTOP : 0);
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
        if (const LRESULT handled = LabelMessage(control, events, message, w, l); handled != -1)
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
        const MSG* key =
            message == WM_GETDLGCODE && l && reinterpret_cast<const MSG*>(l)->message == WM_KEYDOWN
                ? reinterpret_cast<const MSG*>(l)
                : nullptr;
        if (IsSingleLineEdit(entry) && key && key->wParam == VK_RETURN)
            return ::DefSubclassProc(child, message, w, l) | DLGC_WANTMESSAGE;
        // Ctrl+Tab types a tab in the problem box, whatever character the keyboard makes.
        const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
        if (entry.multiLine && ctrl && message == WM_KEYDOWN && w == VK_TAB) {
            ::SendMessageW(child, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\t"));
            return 0;
        }
        if (entry.multiLine && ctrl && message == WM_CHAR && w == L'\t')
            return 0;
        // Tab and Esc leave the problem box to the dialog manager.
        if (entry.multiLine && message == WM_GETDLGCODE) {
            LRESULT code = ::DefSubclassProc(child, message, w, l) & ~DLGC_WANTTAB;
            if (key && (key->wParam == VK_ESCAPE || (key->wParam == VK_TAB && !ctrl)))
                code &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
            return code;
        }
    }
    if (message == WM_GETOBJECT)
        if (const LRESULT answer = AnswerGetObject(
                child, w, l, [&control, &events] { return FactsOf(control, events.Form()); },
                [&control] { DefaultAction(control); }))
            return answer;
    if (entry.kind == ControlKind::ProgressBar && message == WM_PAINT) {
        PaintStatusText(control);
        return 0;
    }
    if (entry.kind == ControlKind::ProgressBar && message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(control.font);
    return ::DefSubclassProc(child, message, w, l);
}

} // namespace ui::win32
