#include "ui/win32/FormWindow.h"

#include "ui/GuardedEvents.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MarkupLabel.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32EventPump.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace ui::win32 {

namespace {

constexpr UINT CommandArrived = WM_APP + 1;
constexpr int FirstControlId = 100;
constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD OwnedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The windows' own events arrive guarded by the core; this catches what fails in the
// front end itself, since unwinding through DispatchMessageW would end the program.
void ReportFailure(HWND window, std::exception_ptr failure) noexcept {
    ::MessageBoxW(::GetAncestor(window, GA_ROOT), Wide(HandlerFailureText(failure)).c_str(),
                  L"Asistencia Remota", MB_OK | MB_ICONERROR);
}

struct ChildClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ChildClass ClassOf(const ControlEntry& control) {
    switch (control.kind) {
    case ControlKind::Label:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX | (control.link ? SS_NOTIFY : 0u), 0};
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

// Disables a shown, enabled window of the thread and notes it in the list.
BOOL CALLBACK DisableShownWindow(HWND other, LPARAM list) {
    if (::IsWindowVisible(other) && ::IsWindowEnabled(other)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(other);
        ::EnableWindow(other, FALSE);
    }
    return TRUE;
}

bool IsSingleLineEdit(const ControlEntry& control) {
    return control.kind == ControlKind::TextBox && !control.multiLine;
}

} // namespace

void FormWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = Procedure;
    type.hInstance = instance;
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hIcon = PictureResources::ProgramIcon(::GetSystemMetrics(SM_CXICON));
    type.hIconSm = PictureResources::ProgramIcon(::GetSystemMetrics(SM_CXSMICON));
    type.lpszClassName = ClassName;
    ::RegisterClassExW(&type);
}

FormWindow::FormWindow(const FormTable& form, FormEvents& events, PictureResources& pictures)
    : table(form), events(events), pictures(pictures) {
    window = ::CreateWindowExW(0, ClassName, Wide(table.caption).c_str(), MainStyle, CW_USEDEFAULT,
                               CW_USEDEFAULT, 100, 100, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), this);
    CreateControls();
    CreateToolTips();
    ApplyDpi(WindowDpi(window));
    if (table.name == u"frmMain")
        closeCommand = std::make_unique<platform::win32::DdeSource>(
            u"FrmMain", [this](std::u16string_view command) {
                // DDEML's callback must not close the window: the command waits its turn.
                commands.emplace_back(command);
                ::PostMessageW(window, CommandArrived, 0, 0);
            });
}

FormWindow::~FormWindow() {
    closeCommand.reset();
    if (window)
        ::DestroyWindow(window);
    ReleaseGdi();
}

void FormWindow::ReleaseGdi() {
    for (Control& control : controls) {
        for (HGDIOBJ font : {control.font, control.underlinedFont})
            if (font)
                ::DeleteObject(font);
        if (control.icon)
            ::DestroyIcon(control.icon);
        control.font = control.underlinedFont = nullptr;
        control.icon = nullptr;
    }
    if (backgroundBrush)
        ::DeleteObject(backgroundBrush);
    if (background)
        ::DeleteObject(background);
    backgroundBrush = nullptr;
    background = nullptr;
}

// The child windows in tab order, so that Tab walks them as the table says; controls
// outside the tab order come after them.
void FormWindow::CreateControls() {
    std::vector<const ControlEntry*> order;
    for (const ControlEntry& control : table.controls)
        order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) {
        return uint32_t(a->tabIndex) < uint32_t(b->tabIndex);
    });
    for (const ControlEntry* control : order) {
        Control made{control};
        made.colour = control->foreColour;
        const ChildClass type = ClassOf(*control);
        if (type.name) {
            const DWORD style = WS_CHILD | type.style | (control->visible ? WS_VISIBLE : 0) |
                                (control->tabIndex >= 0 ? WS_TABSTOP : 0);
            const int id = FirstControlId + int(control - table.controls.data());
            made.window = ::CreateWindowExW(
                type.exStyle, type.name, Wide(control->caption).c_str(), style, 0, 0, 0, 0, window,
                reinterpret_cast<HMENU>(intptr_t(id)), ::GetModuleHandleW(nullptr), nullptr);
        }
        controls.push_back(made);
    }
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i].window)
            ::SetWindowSubclass(controls[i].window, ControlProcedure, i,
                                reinterpret_cast<DWORD_PTR>(this));
}

void FormWindow::CreateToolTips() {
    HWND tips = nullptr;
    for (const Control& control : controls) {
        if (control.entry->toolTip.empty() || !control.window)
            continue;
        if (!tips)
            tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, 0, 0,
                                     0, 0, window, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        std::wstring text = Wide(control.entry->toolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(control.window);
        tool.lpszText = text.data();
        ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Places, fonts, icons and the background for a resolution. A window that would not fit
// the monitor's work area at that resolution is laid out smaller, so it stays usable.
void FormWindow::ApplyDpi(UINT newDpi) {
    ReleaseGdi();
    const DWORD style = DWORD(::GetWindowLongPtrW(window, GWL_STYLE));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const SIZE frame = FrameSize(Pixels(table.clientWidth, newDpi),
                                 Pixels(table.clientHeight, newDpi), style, 0, newDpi);
    const double fit = std::min({1.0, double(monitor.rcWork.right - monitor.rcWork.left) / frame.cx,
                                 double(monitor.rcWork.bottom - monitor.rcWork.top) / frame.cy});
    dpi = std::max(48u, UINT(newDpi * fit));
    for (Control& control : controls) {
        TwipsRect place = control.entry->place;
        if (const ControlEntry* box = FindControl(table, control.entry->container)) {
            place.left += box->place.left;
            place.top += box->place.top;
        }
        control.place = {Pixels(place.left, dpi), Pixels(place.top, dpi),
                         Pixels(place.left + place.width, dpi),
                         Pixels(place.top + place.height, dpi)};
        control.font = MakeFont(control.entry->font, dpi, false);
        // A label keeps at least one whole line of its font: the fonts of this system may
        // be taller than those the sizes were made for.
        if (control.entry->kind == ControlKind::Label)
            control.place.bottom =
                std::max(control.place.bottom, control.place.top + LineHeight(control.font));
        if (!control.window)
            continue;
        ::MoveWindow(control.window, control.place.left, control.place.top,
                     control.place.right - control.place.left,
                     control.place.bottom - control.place.top, FALSE);
        ::SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
        if (control.underline)
            SetUnderline(IdOf(control), true);
        if (control.entry->kind == ControlKind::MarkupLabel) {
            LOGFONTW face{};
            ::GetObjectW(control.font, sizeof face, &face);
            MarkupLabel::Of(control.window)
                ->SetStyle(reinterpret_cast<const char16_t*>(face.lfFaceName),
                           -face.lfHeight * 72.0 / dpi, dpi);
        }
        if (!control.entry->picture.empty() && control.entry->kind == ControlKind::PushButton) {
            const int side = std::min(control.place.right - control.place.left,
                                      control.place.bottom - control.place.top);
            control.icon = pictures.Icon(control.entry->picture, side * 2 / 3);
            ::SendMessageW(control.window, BM_SETIMAGE, IMAGE_ICON,
                           reinterpret_cast<LPARAM>(control.icon));
        }
    }
    const SIZE size = FrameSize(Pixels(table.clientWidth, dpi), Pixels(table.clientHeight, dpi),
                                style, 0, newDpi);
    ::SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ComposeBackground();
    ::InvalidateRect(window, nullptr, TRUE);
}

// The window's back colour with the pictures on it, once per size: the window erases
// with it, and labels, tick boxes and frames fill their backgrounds from it.
void FormWindow::ComposeBackground() {
    RECT client{};
    ::GetClientRect(window, &client);
    HDC screen = ::GetDC(window);
    background =
        ::CreateCompatibleBitmap(screen, std::max(1L, client.right), std::max(1L, client.bottom));
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(window, screen);
    HGDIOBJ previous = ::SelectObject(dc, background);
    HBRUSH back = table.backColour == DefaultColour ? ::GetSysColorBrush(COLOR_BTNFACE)
                                                    : ::CreateSolidBrush(table.backColour);
    ::FillRect(dc, &client, back);
    if (table.backColour != DefaultColour)
        ::DeleteObject(back);
    for (const Control& control : controls)
        if (control.entry->kind == ControlKind::Picture && control.entry->visible)
            pictures.Draw(dc, control.entry->picture, control.place);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    backgroundBrush = ::CreatePatternBrush(background);
}

FormWindow::Control* FormWindow::Find(ControlId id) {
    for (Control& control : controls)
        if (control.entry->name == id.name && control.entry->index == id.index)
            return &control;
    return nullptr;
}

const FormWindow::Control* FormWindow::Find(ControlId id) const {
    return const_cast<FormWindow*>(this)->Find(id);
}

FormWindow::Control* FormWindow::FindWindow(HWND child) {
    for (Control& control : controls)
        if (control.window && control.window == child)
            return &control;
    return nullptr;
}

ControlId FormWindow::IdOf(const Control& control) const {
    return {control.entry->name, control.entry->index};
}

HWND FormWindow::FindControlWindow(HWND form, const FormTable& table, ControlId id) {
    const ControlEntry* control = FindControl(table, id.name, id.index);
    return control ? ::GetDlgItem(form, FirstControlId + int(control - table.controls.data()))
                   : nullptr;
}

HWND FormWindow::ControlWindow(ControlId id) const {
    const Control* control = Find(id);
    return control ? control->window : nullptr;
}

// The topmost picture under the point that reports the pointer, else the background.
ControlId FormWindow::PointedAt(POINT point) const {
    for (auto control = controls.rbegin(); control != controls.rend(); ++control)
        if (control->entry->kind == ControlKind::Picture && control->entry->tracksPointer &&
            ::PtInRect(&control->place, point))
            return IdOf(*control);
    return {};
}

void FormWindow::SetCaption(ControlId id, std::u16string_view caption) {
    Control* control = Find(id);
    if (!control || !control->window)
        return;
    ::SetWindowTextW(control->window, Wide(caption).c_str());
    ::InvalidateRect(control->window, nullptr, TRUE);
}

std::u16string FormWindow::Text(ControlId id) {
    Control* control = Find(id);
    if (!control || !control->window)
        return {};
    std::wstring text(size_t(::GetWindowTextLengthW(control->window)) + 1, L'\0');
    text.resize(size_t(::GetWindowTextW(control->window, text.data(), int(text.size()))));
    return FromWide(text);
}

bool FormWindow::IsChecked(ControlId id) {
    Control* control = Find(id);
    return control && control->window &&
           ::SendMessageW(control->window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FormWindow::SetVisible(ControlId id, bool visible) {
    Control* control = Find(id);
    if (!control || !control->window)
        return;
    if (control->entry->kind == ControlKind::ProgressBar)
        ::SendMessageW(control->window, PBM_SETMARQUEE, visible, 30);
    ::ShowWindow(control->window, visible ? SW_SHOWNA : SW_HIDE);
}

void FormWindow::SetForeColour(ControlId id, uint32_t colour) {
    if (Control* control = Find(id); control && control->window) {
        control->colour = colour;
        ::InvalidateRect(control->window, nullptr, TRUE);
    }
}

void FormWindow::SetUnderline(ControlId id, bool underline) {
    Control* control = Find(id);
    if (!control || !control->window)
        return;
    control->underline = underline;
    if (underline && !control->underlinedFont)
        control->underlinedFont = MakeFont(control->entry->font, dpi, true);
    ::SendMessageW(control->window, WM_SETFONT,
                   reinterpret_cast<WPARAM>(underline ? control->underlinedFont : control->font),
                   TRUE);
}

void FormWindow::SetFocus(ControlId id) {
    if (Control* control = Find(id); control && control->window) {
        focusBeforeDeactivation = control->window;
        ::SetFocus(control->window);
    }
}

void FormWindow::PlaceOnScreen(HWND over) {
    RECT area{}, frame{};
    if (over && ::IsWindowVisible(over)) {
        ::GetWindowRect(over, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    ::GetWindowRect(window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int left = std::max(0L, area.left + (area.right - area.left - width) / 2);
    const int top = std::max(0L, area.top + (area.bottom - area.top - height) / 2);
    ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Show(FormView* owner) {
    auto* ownerWindow = static_cast<FormWindow*>(owner);
    if (ownerWindow && ownerWindow->window) {
        // Owned: above its owner and minimised with it, no button of its own.
        ::SetWindowLongPtrW(window, GWLP_HWNDPARENT,
                            reinterpret_cast<LONG_PTR>(ownerWindow->window));
        ::SetWindowLongPtrW(window, GWL_STYLE, OwnedStyle);
        ApplyDpi(WindowDpi(window));
    }
    PlaceOnScreen(ownerWindow ? ownerWindow->window : nullptr);
    ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
}

// A nested message loop until the window is closed; the program's other windows do not
// take input meanwhile.
void FormWindow::ShowModal() {
    modal = true;
    ::SetWindowLongPtrW(window, GWL_STYLE, OwnedStyle);
    ApplyDpi(WindowDpi(window));
    std::vector<HWND> disabled;
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableShownWindow,
                        reinterpret_cast<LPARAM>(&disabled));
    PlaceOnScreen(nullptr);
    ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
    MSG message;
    while (window && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchWithNavigation(&message);
    if (window && message.message == WM_QUIT)
        ::PostQuitMessage(int(message.wParam));
    for (HWND other : disabled)
        ::EnableWindow(other, TRUE);
    modal = false;
}

void FormWindow::BringToFront() {
    if (::IsIconic(window))
        ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(window);
}

void FormWindow::Close() {
    closeCommand.reset();
    if (window)
        ::DestroyWindow(window);
    // A modal loop waiting for a posted message wakes up and sees the window gone.
    if (modal)
        ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcW(window, message, w, l);
    if (message == WM_NCDESTROY) {
        self->window = nullptr;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return ::DefWindowProcW(window, message, w, l);
    }
    try {
        return self->Handle(message, w, l);
    } catch (...) {
        ReportFailure(window, std::current_exception());
        return 0;
    }
}

LRESULT FormWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: {
        const WORD code = HIWORD(w);
        if (LOWORD(w) == IDCANCEL && (modal || ::GetWindow(window, GW_OWNER)))
            ::PostMessageW(window, WM_CLOSE, 0, 0);
        else if (Control* control = FindWindow(reinterpret_cast<HWND>(l));
                 control && code == BN_CLICKED)
            events.Click(IdOf(*control));
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        auto dc = reinterpret_cast<HDC>(w);
        Control* control = FindWindow(reinterpret_cast<HWND>(l));
        if (!control)
            break;
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, control->colour == DefaultColour ? ::GetSysColor(COLOR_WINDOWTEXT)
                                                            : control->colour);
        // The background's pattern, lined up with where the control sits.
        ::SetBrushOrgEx(dc, -control->place.left, -control->place.top, nullptr);
        return reinterpret_cast<LRESULT>(backgroundBrush);
    }
    case WM_ERASEBKGND: {
        RECT client{};
        ::GetClientRect(window, &client);
        ::SetBrushOrgEx(reinterpret_cast<HDC>(w), 0, 0, nullptr);
        ::FillRect(reinterpret_cast<HDC>(w), &client, backgroundBrush);
        return 1;
    }
    case WM_MOUSEMOVE:
        events.MouseMove(PointedAt({GET_X_LPARAM(l), GET_Y_LPARAM(l)}));
        return 0;
    case WM_CLOSE:
        events.CloseRequested();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) {
            focusBeforeDeactivation = ::GetFocus();
        } else {
            HWND target =
                ::IsWindow(focusBeforeDeactivation) && ::IsChild(window, focusBeforeDeactivation)
                    ? focusBeforeDeactivation
                    : ::GetNextDlgTabItem(window, nullptr, FALSE);
            if (target)
                ::SetFocus(target);
        }
        return 0;
    case WM_DPICHANGED: {
        ApplyDpi(HIWORD(w));
        const auto* suggested = reinterpret_cast<const RECT*>(l);
        ::SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SYSCOLORCHANGE:
        ApplyDpi(WindowDpi(window));
        for (const Control& control : controls)
            if (control.window)
                ::SendMessageW(control.window, message, w, l);
        return 0;
    case CommandArrived: {
        std::vector<std::u16string> arrived;
        arrived.swap(commands);
        for (const std::u16string& command : arrived)
            events.Execute(command);
        return 0;
    }
    }
    return ::DefWindowProcW(window, message, w, l);
}

LRESULT CALLBACK FormWindow::ControlProcedure(HWND child, UINT message, WPARAM w, LPARAM l,
                                              UINT_PTR index, DWORD_PTR self) {
    auto* form = reinterpret_cast<FormWindow*>(self);
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(child, ControlProcedure, index);
    try {
        return form->HandleControl(form->controls[index], message, w, l);
    } catch (...) {
        ReportFailure(child, std::current_exception());
        return 0;
    }
}

// What the standard controls do not report by themselves: the pointer over a link label,
// keys in a text box, and the status text on the progress bar.
LRESULT FormWindow::HandleControl(Control& control, UINT message, WPARAM w, LPARAM l) {
    const ControlEntry& entry = *control.entry;
    HWND child = control.window;
    if (entry.tracksPointer || entry.link) {
        switch (message) {
        case WM_MOUSEMOVE:
            events.MouseMove(IdOf(control));
            break;
        case WM_LBUTTONDOWN:
            if (entry.link)
                ::SetCapture(child);
            events.MouseDown(IdOf(control));
            return 0;
        case WM_LBUTTONUP: {
            // A link is clicked when the button comes up over the label it went down on.
            const bool pressed = ::GetCapture() == child;
            if (pressed)
                ::ReleaseCapture();
            RECT area{};
            ::GetClientRect(child, &area);
            const bool over = ::PtInRect(&area, {GET_X_LPARAM(l), GET_Y_LPARAM(l)});
            events.MouseUp(IdOf(control));
            if (entry.link && pressed && over)
                events.Click(IdOf(control));
            return 0;
        }
        case WM_SETCURSOR:
            if (entry.link) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
    }
    if (entry.kind == ControlKind::TextBox) {
        const bool enter = message == WM_KEYDOWN && w == VK_RETURN;
        if (message == WM_KEYDOWN) {
            events.KeyDown(IdOf(control), int32_t(w));
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
        PaintProgressText(control);
        return 0;
    }
    if (entry.kind == ControlKind::ProgressBar && message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(control.font);
    return ::DefSubclassProc(child, message, w, l);
}

// The bar as the system draws it, with the status text centred on it.
void FormWindow::PaintProgressText(Control& control) {
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
    std::wstring text(size_t(::GetWindowTextLengthW(control.window)) + 1, L'\0');
    text.resize(size_t(::GetWindowTextW(control.window, text.data(), int(text.size()))));
    ::SelectObject(dc, control.font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::DrawTextW(dc, text.c_str(), int(text.size()), &client,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(control.window, &paint);
}

} // namespace ui::win32
