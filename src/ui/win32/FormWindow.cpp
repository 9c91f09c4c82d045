#include "ui/win32/FormWindow.h"

#include "ui/Accessibility.h"
#include "ui/Keyboard.h"
#include "ui/Scale.h"
#include "ui/win32/CallbackGuard.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MarkupLabel.h"
#include "ui/win32/WideText.h"

#include <algorithm>
#include <uxtheme.h>

namespace ui::win32 {

namespace {

constexpr int FirstControlId = 100;
constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD OwnedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

RECT ToRect(const PixelRect& place) {
    return {place.left, place.top, place.left + place.width, place.top + place.height};
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

FormWindow::FormWindow(ViewEvents& events, PictureResources& pictures)
    : events(events), table(events.Form()), pictures(pictures) {
    window = ::CreateWindowExW(0, ClassName, Wide(table.caption).c_str(), MainStyle, CW_USEDEFAULT,
                               CW_USEDEFAULT, 100, 100, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), this);
    if (!window)
        return;
    CreateControls();
    TakeScheme();
    AddToolTips(window, controls);
    ApplyDpi(WindowDpi(window));
    if (table.takesCloseCommand)
        closeCommand = std::make_unique<CloseCommandDde>(window, events);
}

FormWindow::~FormWindow() {
    Destroy();
    ReleaseGdi();
}

void FormWindow::Destroy() {
    closeCommand.reset();
    if (window)
        ::DestroyWindow(window);
}

void FormWindow::ReleaseGdi() {
    for (ChildControl& control : controls)
        control.ReleaseGdi();
    if (backgroundBrush)
        ::DeleteObject(backgroundBrush);
    if (background)
        ::DeleteObject(background);
    backgroundBrush = nullptr;
    background = nullptr;
}

// The child windows are made along the focus path, so that Tab walks them as the table
// says; controls that take no focus come after them.
void FormWindow::CreateControls() {
    for (const ControlEntry& entry : table.controls)
        controls.push_back({.entry = &entry, .colour = DefaultColour});
    std::vector<const ControlEntry*> order = FocusPath(table);
    for (const ControlEntry& entry : table.controls)
        if (!TakesFocus(entry))
            order.push_back(&entry);
    for (const ControlEntry* entry : order) {
        const size_t position = size_t(entry - table.controls.data());
        // The system's own readers name a text box after the static just before it: a
        // hidden one with the box's name, for those that do not ask the box itself.
        if (entry->kind == ControlKind::TextBox)
            ::CreateWindowExW(0, L"STATIC", Wide(AccessibleName(table, *entry, {})).c_str(),
                              WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, window, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
        HWND child = CreateChildWindow(*entry, window, FirstControlId + int(position));
        controls[position].window = child;
        if (child)
            ::SetWindowSubclass(child, ControlProcedure, position,
                                reinterpret_cast<DWORD_PTR>(this));
    }
}

// Places, fonts, icons and the background for a resolution. Controls keep their table
// size in pixels even on a work area smaller than the window, which then scrolls instead.
void FormWindow::ApplyDpi(UINT newDpi) {
    ReleaseGdi();
    dpi = newDpi;
    content = {Pixels(table.clientWidth, dpi), Pixels(table.clientHeight, dpi)};
    for (ChildControl& control : controls) {
        control.place = ToRect(Pixels(PlaceInWindow(table, *control.entry), dpi));
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
            SetUnderline(control, true);
        if (control.entry->kind == ControlKind::MarkupLabel) {
            LOGFONTW face{};
            ::GetObjectW(control.font, sizeof face, &face);
            MarkupLabel::Of(control.window)
                ->SetStyle(reinterpret_cast<const char16_t*>(face.lfFaceName),
                           -face.lfHeight * 72.0 / dpi, dpi);
        }
        if (!control.entry->picture.empty() && control.entry->kind == ControlKind::PushButton) {
            control.icon =
                pictures.Icon(control.entry->picture, IconSide(table, *control.entry, dpi));
            ::SendMessageW(control.window, BM_SETIMAGE, IMAGE_ICON,
                           reinterpret_cast<LPARAM>(control.icon));
        }
    }
    // The new layout starts unscrolled; the focus scrolls back into view.
    scroll.Fit(window, content, dpi);
    ComposeBackground();
    ::InvalidateRect(window, nullptr, TRUE);
    if (ChildControl* focused = FindWindow(::GetFocus()))
        scroll.Reveal(focused->place);
}

// The window's back colour with the pictures on it, once per size, over the table's whole
// client area: the window erases with it at its scroll offset, and labels, tick boxes and frames
// fill their backgrounds from it.
void FormWindow::ComposeBackground() {
    const RECT client{0, 0, std::max(1L, content.cx), std::max(1L, content.cy)};
    HDC screen = ::GetDC(window);
    background = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(window, screen);
    HGDIOBJ previous = ::SelectObject(dc, background);
    HBRUSH back = ::CreateSolidBrush(FormBackground(table, scheme));
    ::FillRect(dc, &client, back);
    ::DeleteObject(back);
    for (const ChildControl& control : controls) {
        if (!control.entry->visible)
            continue;
        if (control.entry->kind == ControlKind::Picture && ShowsPicture(*control.entry, scheme))
            pictures.Draw(dc, control.entry->picture, control.place);
        if (control.entry->kind == ControlKind::GroupBox) {
            RECT frame = control.place;
            ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        }
    }
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    backgroundBrush = ::CreatePatternBrush(background);
}

void FormWindow::PaintFocusMark(HDC dc) {
    const ChildControl* focused = FindWindow(::GetFocus());
    if (!focused || (::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        return;
    const FocusMark mark = FocusMarkOf(table, scheme, dpi);
    const RECT& place = focused->place;
    const POINT offset = scroll.Offset();
    HBRUSH brush = ::CreateSolidBrush(mark.colour);
    for (const PixelRect& bar : FocusMarkBars({place.left - offset.x, place.top - offset.y,
                                               place.right - place.left, place.bottom - place.top},
                                              mark)) {
        const RECT area = ToRect(bar);
        ::FillRect(dc, &area, brush);
    }
    ::DeleteObject(brush);
}

void FormWindow::InvalidateFocusMark(const ChildControl& control) {
    const FocusMark mark = FocusMarkOf(table, scheme, dpi);
    RECT area = control.place;
    const POINT offset = scroll.Offset();
    ::OffsetRect(&area, -offset.x, -offset.y);
    ::InflateRect(&area, mark.gap + mark.width, mark.gap + mark.width);
    ::InvalidateRect(window, &area, TRUE);
}

ColourScheme FormWindow::SystemScheme() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    ColourScheme scheme{.window = ::GetSysColor(COLOR_BTNFACE),
                        .windowText = ::GetSysColor(COLOR_BTNTEXT),
                        .link = ::GetSysColor(COLOR_HOTLIGHT),
                        .gradientActiveCaption = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION)};
    // Wine never keeps the setting (SPI_SETHIGHCONTRAST fails there): pure black and white
    // window colours, as only a high-contrast theme chooses them, count as the setting too.
    scheme.highContrast =
        (::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON)) ||
        ContrastRatio(scheme.window, scheme.windowText) >= 20;
    return scheme;
}

void FormWindow::TakeScheme() {
    scheme = SystemScheme();
    const uint32_t behind = FormBackground(table, scheme);
    const bool plain = KindOf(scheme) == SchemeKind::HighContrast;
    for (ChildControl& control : controls) {
        if (!control.window)
            continue;
        if (control.entry->kind == ControlKind::MarkupLabel)
            MarkupLabel::Of(control.window)->SetScheme(scheme, behind);
        // The visual style draws buttons in its own light colours: high contrast draws them
        // without it, in the system's (a name of no style; Wine refuses an empty one).
        if (control.entry->kind == ControlKind::PushButton ||
            control.entry->kind == ControlKind::CheckBox)
            ::SetWindowTheme(control.window, plain ? L" " : nullptr, plain ? L" " : nullptr);
    }
}

ChildControl& FormWindow::Control(ControlId control) {
    return controls.at(ControlPosition(table, control));
}

ChildControl* FormWindow::FindWindow(HWND child) {
    for (ChildControl& control : controls)
        if (control.window && control.window == child)
            return &control;
    return nullptr;
}

HWND FormWindow::FindControlWindow(HWND form, const FormTable& table, ControlId id) {
    const ControlEntry* control = FindControl(table, id.name, id.index);
    return control ? ::GetDlgItem(form, FirstControlId + int(control - table.controls.data()))
                   : nullptr;
}

void FormWindow::SetUnderline(ChildControl& control, bool underline) {
    control.underline = underline;
    if (underline && !control.underlinedFont)
        control.underlinedFont = MakeFont(control.entry->font, dpi, true);
    ::SendMessageW(control.window, WM_SETFONT,
                   reinterpret_cast<WPARAM>(underline ? control.underlinedFont : control.font),
                   TRUE);
}

void FormWindow::Focus(ChildControl& control) {
    focusBeforeDeactivation = control.window;
    ::SetFocus(control.window);
}

void FormWindow::RestoreFocus() {
    HWND target = ::IsWindow(focusBeforeDeactivation) &&
                          ::IsChild(window, focusBeforeDeactivation) &&
                          ::IsWindowVisible(focusBeforeDeactivation)
                      ? focusBeforeDeactivation
                      : nullptr;
    if (!target)
        if (const ControlEntry* first = FirstFocus(table))
            target = Control({first->name, first->index}).window;
    if (target && !::IsWindowVisible(target)) // hidden by the window since
        target = ::GetNextDlgTabItem(window, nullptr, FALSE);
    if (target)
        ::SetFocus(target);
}

void FormWindow::BecomeOwned(HWND owner) {
    if (owner)
        ::SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    ::SetWindowLongPtrW(window, GWL_STYLE, OwnedStyle);
    ApplyDpi(WindowDpi(window));
}

// The windows' own events arrive guarded by the core; the guard catches what fails in the
// front end itself.
LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    return Guarded(window, LRESULT{0}, [&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            auto* self =
                static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
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
        return self->Handle(message, w, l);
    });
}

LRESULT FormWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: {
        // Esc and Enter come from the dialog manager as IDCANCEL and IDOK: Esc is the
        // core's to judge, Enter presses the focused button or link.
        ChildControl* control = FindWindow(reinterpret_cast<HWND>(l));
        if (LOWORD(w) == IDCANCEL && !control) {
            events.EscapePressed();
        } else if (LOWORD(w) == IDOK && (!control || control->window == ::GetFocus())) {
            ChildControl* focused = FindWindow(::GetFocus());
            if (focused && KeyClicks(*focused->entry, EnterKey))
                events.Clicked(focused->Id());
        } else if (control && HIWORD(w) == BN_CLICKED) {
            events.Clicked(control->Id());
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        auto dc = reinterpret_cast<HDC>(w);
        ChildControl* control = FindWindow(reinterpret_cast<HWND>(l));
        if (!control)
            break;
        ::SetTextColor(dc, TextColour(table, *control->entry, control->colour, scheme));
        if (FillsItsBox(*control->entry, scheme)) {
            const COLORREF back = FormBackground(table, scheme);
            ::SetBkColor(dc, back);
            ::SetDCBrushColor(dc, back);
            return reinterpret_cast<LRESULT>(::GetStockObject(DC_BRUSH));
        }
        ::SetBkMode(dc, TRANSPARENT);
        // The background's pattern, lined up with where the control sits.
        ::SetBrushOrgEx(dc, -control->place.left, -control->place.top, nullptr);
        return reinterpret_cast<LRESULT>(backgroundBrush);
    }
    case WM_ERASEBKGND: {
        RECT client{};
        ::GetClientRect(window, &client);
        const POINT offset = scroll.Offset();
        ::SetBrushOrgEx(reinterpret_cast<HDC>(w), -offset.x, -offset.y, nullptr);
        ::FillRect(reinterpret_cast<HDC>(w), &client, backgroundBrush);
        return 1;
    }
    case WM_MOUSEMOVE: {
        const POINT offset = scroll.Offset();
        const ControlId under =
            events.PictureAt(GET_X_LPARAM(l) + offset.x, GET_Y_LPARAM(l) + offset.y, dpi);
        events.PointerMoved(under);
        return 0;
    }
    case WM_HSCROLL:
        scroll.BarRequest(SB_HORZ, LOWORD(w));
        return 0;
    case WM_VSCROLL:
        scroll.BarRequest(SB_VERT, LOWORD(w));
        return 0;
    case WM_MOUSEWHEEL:
        scroll.Wheel(GET_WHEEL_DELTA_WPARAM(w));
        return 0;
    case WM_CLOSE:
        events.CloseRequested();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        PaintFocusMark(::BeginPaint(window, &paint));
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_UPDATEUISTATE:
        if (ChildControl* focused = FindWindow(::GetFocus()))
            InvalidateFocusMark(*focused);
        break;
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) {
            focusBeforeDeactivation = ::GetFocus();
        } else {
            RestoreFocus();
        }
        return 0;
    case WM_DPICHANGED: {
        ApplyDpi(HIWORD(w));
        const auto* suggested = reinterpret_cast<const RECT*>(l);
        ::SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SETTINGCHANGE:
        if (w != SPI_SETHIGHCONTRAST)
            break;
        [[fallthrough]];
    case WM_SYSCOLORCHANGE:
        TakeScheme();
        ApplyDpi(WindowDpi(window));
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        for (const ChildControl& control : controls)
            if (control.window)
                ::SendMessageW(control.window, message, w, l);
        return 0;
    case CloseCommandDde::Arrived:
        if (closeCommand)
            closeCommand->Deliver();
        return 0;
    }
    return ::DefWindowProcW(window, message, w, l);
}

LRESULT CALLBACK FormWindow::ControlProcedure(HWND child, UINT message, WPARAM w, LPARAM l,
                                              UINT_PTR position, DWORD_PTR self) {
    return Guarded(child, LRESULT{0}, [&] {
        auto* form = reinterpret_cast<FormWindow*>(self);
        if (message == WM_NCDESTROY)
            ::RemoveWindowSubclass(child, ControlProcedure, position);
        if (message == WM_SETFOCUS) // Tab onto a control scrolled out of sight
            form->scroll.Reveal(form->controls[position].place);
        if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
            form->InvalidateFocusMark(form->controls[position]);
        return ControlMessage(form->controls[position], form->events, message, w, l);
    });
}

} // namespace ui::win32
