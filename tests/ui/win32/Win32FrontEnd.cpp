// The Win32 front end under Wine, its windows found by caption and control id and driven
// with the messages a user's actions send.
#include "Win32Driver.h"
#include "WindowPicture.h"
#include "platform/Processes.h"
#include "platform/win32/DdeSource.h"
#include "platform/win32/Win32Os.h"
#include "text/Encoding.h"
#include "ui/FormTables.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/MarkupLabel.h"
#include "ui/win32/Resources.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32ViewFactory.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace ui::test_support {

using win32::FormWindow, win32::Wide, win32::WindowText;

namespace {

std::map<UINT_PTR, std::function<void()>> timerActions;

void CALLBACK RunTimerAction(HWND, UINT, UINT_PTR timer, DWORD) {
    if (timerActions.count(timer))
        timerActions.at(timer)();
}

} // namespace

UINT_PTR RunOnceWhen(UINT every, std::function<bool()> ready, std::function<void()> action) {
    const UINT_PTR timer = SetTimer(nullptr, 0, every, RunTimerAction);
    timerActions[timer] = [timer, ready, action] {
        if (!ready())
            return;
        KillTimer(nullptr, timer);
        auto keep = std::move(timerActions[timer]);
        timerActions.erase(timer);
        action();
    };
    return timer;
}

HWND Shown(const FormTable& form) {
    HWND found = FindWindowW(FormWindow::ClassName, Wide(form.caption).c_str());
    return found && IsWindowVisible(found) ? found : nullptr;
}
HWND Control(const FormTable& form, ControlId id) {
    HWND control = FormWindow::FindControlWindow(Shown(form), form, id);
    if (!control)
        throw std::out_of_range("no such control shown");
    return control;
}

IAccessible* Object(HWND control, bool standard) {
    void* object = nullptr; // left null when it fails
    if (control && standard)
        CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible), &object);
    else if (control)
        AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible), &object);
    return static_cast<IAccessible*>(object);
}
VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}
std::u16string NameOf(IAccessible* object) {
    BSTR name = nullptr;
    object->get_accName(Self(), &name);
    object->Release();
    std::u16string text = name ? win32::FromWide({name, SysStringLen(name)}) : u"";
    SysFreeString(name);
    return text;
}

namespace {

// What draw paints on a 32-bit bitmap of that size, as 0x00BBGGRR pixels.
std::vector<uint32_t> CapturePixels(int width, int height, const std::function<void(HDC)>& draw) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    draw(dc);
    GdiFlush();
    std::vector<uint32_t> pixels;
    for (int i = 0; bits && i < width * height; ++i) {
        const uint32_t pixel = static_cast<uint32_t*>(bits)[i];
        pixels.push_back((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixels;
}

// The program's own end is the test's to see: no quit message for the loops that follow.
class Views : public ViewFactory {
public:
    explicit Views(std::function<void()> noWindowLeft) : noWindowLeft(std::move(noWindowLeft)) {}
    std::unique_ptr<FormView> CreateView(ViewEvents& events) override {
        return views.CreateView(events);
    }
    void NoWindowLeft() override { noWindowLeft(); }

private:
    win32::Win32ViewFactory views;
    std::function<void()> noWindowLeft;
};

class Win32FrontEnd : public FrontEnd {
public:
    // ASR_TEST_WORK_AREA=WIDTHxHEIGHT: a till's small screen, for as long as the driver lives.
    explicit Win32FrontEnd(std::function<void()> noWindowLeft) : views(std::move(noWindowLeft)) {
        int width = 0, height = 0;
        if (const char* size = std::getenv("ASR_TEST_WORK_AREA");
            size && std::sscanf(size, "%dx%d", &width, &height) == 2) {
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &keptWorkArea, 0);
            RECT small{0, 0, width, height};
            SystemParametersInfoW(SPI_SETWORKAREA, 0, &small, 0);
        }
    }
    ~Win32FrontEnd() override {
        if (dialogTimer)
            KillTimer(nullptr, dialogTimer);
        if (!IsRectEmpty(&keptWorkArea))
            SystemParametersInfoW(SPI_SETWORKAREA, 0, &keptWorkArea, 0);
    }

    ViewFactory& Views() override { return views; }
    PixelRect WorkArea() override {
        RECT area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return {area.left, area.top, area.right - area.left, area.bottom - area.top};
    }
    double DotsPerInch() override {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return dpi;
    }
    bool IsShown(const FormTable& form) override { return Shown(form); }
    std::u16string Title(const FormTable& form) override {
        return win32::FromWide(WindowText(Shown(form)));
    }
    PixelRect ClientArea(const FormTable& form) override {
        RECT client{};
        GetClientRect(Shown(form), &client);
        return {0, 0, client.right, client.bottom};
    }
    PixelRect Place(const FormTable& form, ControlId id) override {
        RECT place{};
        GetWindowRect(Control(form, id), &place);
        MapWindowPoints(nullptr, Shown(form), reinterpret_cast<POINT*>(&place), 2);
        return {place.left, place.top, place.right - place.left, place.bottom - place.top};
    }
    std::u16string Caption(const FormTable& form, ControlId id) override {
        return win32::FromWide(WindowText(Control(form, id)));
    }
    bool IsVisible(const FormTable& form, ControlId id) override {
        return IsWindowVisible(Control(form, id));
    }
    uint32_t TextColour(const FormTable& form, ControlId id) override {
        return LabelPainting(form, id).first;
    }
    bool IsUnderlined(const FormTable& form, ControlId id) override {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(form, id), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        return font.lfUnderline;
    }
    bool Scrolls(const FormTable& form, ControlId id) override {
        return GetWindowLongW(Control(form, id), GWL_STYLE) & WS_VSCROLL;
    }
    std::set<uint32_t> PaintedColours(const FormTable& form, ControlId id) override {
        HWND label = Control(form, id);
        RECT client{};
        GetClientRect(label, &client);
        const std::vector<uint32_t> pixels =
            CapturePixels(client.right, client.bottom, [&](HDC dc) {
                SendMessageW(label, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
            });
        return {pixels.begin(), pixels.end()};
    }

    void UseMouse(const FormTable& form, ControlId id, Mouse action) override {
        const UINT messages[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP};
        SendMessageW(id.name.empty() ? Shown(form) : Control(form, id), messages[int(action)],
                     action == Mouse::Press ? MK_LBUTTON : 0, MAKELPARAM(2, 2));
    }
    void Click(const FormTable& form, ControlId id) override {
        if (FindControl(form, id.name, id.index)->kind != ControlKind::Label) {
            SendMessageW(Control(form, id), BM_CLICK, 0, 0);
            return;
        }
        UseMouse(form, id, Mouse::Press);
        UseMouse(form, id, Mouse::Release);
    }
    void Type(const FormTable& form, ControlId id, std::u16string_view text) override {
        for (char16_t c : text)
            SendMessageW(Control(form, id), WM_CHAR, WPARAM(c), 0);
    }
    void CloseBox(const FormTable& form) override { SendMessageW(Shown(form), WM_CLOSE, 0, 0); }
    void Minimise(const FormTable& form) override { ShowWindow(Shown(form), SW_MINIMIZE); }
    bool IsMinimised(const FormTable& form) override { return IsIconic(Shown(form)); }
    bool IsActive(const FormTable& form) override { return GetActiveWindow() == Shown(form); }
    void WhenShown(const FormTable& form, std::function<void()> action) override {
        RunOnceWhen(
            10, [&form] { return Shown(form) != nullptr; }, std::move(action));
    }
    void ProcessEvents() override { win32::Win32EventPump().ProcessPendingEvents(); }
    // The client's exit code, the window's messages running while it talks to it.
    std::optional<bool> SendCloseCommand(std::u16string_view command) override {
        platform::win32::Win32Os os;
        const auto handle = os.OpenProcess(
            platform::ProcessQueryInformation,
            platform::StartProgram(os,
                                   os.ProgramFolder() + u"\\DdeClient.exe " +
                                       platform::win32::DdeSource::ExecutableBaseName() +
                                       u" FrmMain " + std::u16string(command),
                                   platform::WindowStyle::Hidden));
        uint32_t code = platform::StillActive;
        for (int i = 0;
             i < 600 && os.GetExitCodeProcess(handle, code) && code == platform::StillActive;
             ++i, os.Sleep(50))
            ProcessEvents();
        os.CloseHandle(handle);
        return code != 0;
    }

    // Posted to the focused control and pumped through the dialog manager, with Shift held
    // for Shift+Tab, as the system delivers a key.
    void PressKey(const FormTable& form, Key key) override {
        HWND top = Activate(form);
        if (!top)
            throw std::logic_error("no such window shown");
        const UINT codes[] = {VK_TAB, VK_TAB, VK_RETURN, VK_SPACE, VK_ESCAPE},
                   code = codes[int(key)];
        BYTE keys[256]{}, kept[256]{};
        GetKeyboardState(kept);
        std::copy(std::begin(kept), std::end(kept), keys);
        keys[VK_SHIFT] = key == Key::ShiftTab ? 0x80 : 0;
        SetKeyboardState(keys);
        HWND focus = GetFocus() && IsChild(top, GetFocus()) ? GetFocus() : top;
        const UINT scan = MapVirtualKeyW(code, MAPVK_VK_TO_VSC);
        PostMessageW(focus, WM_KEYDOWN, code, LPARAM(1 | scan << 16));
        PostMessageW(focus, WM_KEYUP, code, LPARAM(1 | scan << 16 | 3u << 30));
        ProcessEvents();
        SetKeyboardState(kept);
    }
    ControlId Focused(const FormTable& form) override {
        HWND top = Activate(form);
        HWND focus = GetFocus();
        if (!top || !focus)
            return {};
        for (const ControlEntry& entry : form.controls)
            if (FormWindow::FindControlWindow(top, form, {entry.name, entry.index}) == focus)
                return {entry.name, entry.index};
        return {};
    }
    platform::Dialogs& Dialogs() override { return dialogs; }
    // A timer of the thread finds the box inside its own modal loop and answers it with
    // the keys posted to its focused control.
    void AnswerNextDialog(Key key, std::u16string typed, std::u16string* text) override {
        if (dialogTimer)
            KillTimer(nullptr, dialogTimer);
        dialogTimer = RunOnceWhen(
            20, [] { return OwnDialog() != nullptr; },
            [=, this] {
                dialogTimer = 0;
                HWND box = OwnDialog();
                HWND prompt = GetDlgItem(box, IDC_INPUT_PROMPT);
                HWND said = prompt ? prompt : GetDlgItem(box, 0xFFFF);
                if (text)
                    *text = win32::FromWide(WindowText(said));
                HWND focus = GetFocus();
                if (!focus || !IsChild(box, focus))
                    focus = box;
                for (char16_t c : typed)
                    SendMessageW(focus, WM_CHAR, WPARAM(c), 1);
                const UINT code = key == Key::Escape ? VK_ESCAPE : VK_RETURN;
                PostMessageW(focus, WM_KEYDOWN, code, 1);
                PostMessageW(focus, WM_KEYUP, code, LPARAM(1 | 3u << 30));
            });
    }
    // Read through oleacc, as a screen reader reads it.
    Role AccessibleRole(const FormTable& form, ControlId id) override {
        HWND control = FormWindow::FindControlWindow(Shown(form), form, id);
        IAccessible* object = Object(control);
        if (!object)
            return Role::Hidden;
        VARIANT role{}, state{};
        object->get_accRole(Self(), &role);
        object->get_accState(Self(), &state);
        object->Release();
        const bool readOnly = state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_READONLY);
        const std::pair<LONG, Role> roles[] = {
            {ROLE_SYSTEM_STATICTEXT, Role::Label},
            {ROLE_SYSTEM_LINK, Role::Link},
            {ROLE_SYSTEM_TEXT, readOnly ? Role::Text : Role::TextBox},
            {ROLE_SYSTEM_DOCUMENT, Role::Text},
            {ROLE_SYSTEM_PUSHBUTTON, Role::PushButton},
            {ROLE_SYSTEM_CHECKBUTTON, Role::CheckBox},
            {ROLE_SYSTEM_PROGRESSBAR, Role::ProgressBar}};
        for (auto [theirs, ours] : roles)
            if (role.vt == VT_I4 && role.lVal == theirs)
                return ours;
        ADD_FAILURE() << "role " << role.lVal;
        return Role::Hidden;
    }
    std::u16string AccessibleName(const FormTable& form, ControlId id) override {
        IAccessible* object = Object(Control(form, id));
        return object ? NameOf(object) : u"(no accessible object)";
    }
    std::u16string AccessibleText(const FormTable& form, ControlId id) override {
        IAccessible* object = Object(Control(form, id));
        BSTR value = nullptr;
        if (object) {
            object->get_accValue(Self(), &value);
            object->Release();
        }
        std::u16string text = value ? win32::FromWide({value, SysStringLen(value)}) : u"";
        SysFreeString(value);
        return text;
    }
    // As the user sets them: the system's colours and the high-contrast switch, each
    // announced to every window. The system keeps the colours for every program until it
    // ends, so a light scheme gives the text boxes back their first colour.
    void UseScheme(const ColourScheme& scheme) override {
        static const COLORREF firstWindow = GetSysColor(COLOR_WINDOW);
        const bool light = KindOf(scheme) == SchemeKind::Normal;
        const int elements[] = {COLOR_BTNFACE,    COLOR_WINDOW,   COLOR_BTNTEXT,
                                COLOR_WINDOWTEXT, COLOR_HOTLIGHT, COLOR_GRADIENTACTIVECAPTION};
        const COLORREF colours[] = {scheme.window,     light ? firstWindow : scheme.window,
                                    scheme.windowText, scheme.windowText,
                                    scheme.link,       scheme.gradientActiveCaption};
        SetSysColors(int(std::size(elements)), elements, colours);
        HIGHCONTRASTW contrast{};
        contrast.cbSize = sizeof contrast;
        contrast.dwFlags = scheme.highContrast ? HCF_HIGHCONTRASTON : 0;
        SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE);
        ProcessEvents();
    }
    std::set<uint32_t> BackgroundUnder(const FormTable& form, ControlId id) override {
        if (const COLORREF fill = LabelPainting(form, id).second; fill != CLR_NONE)
            return {fill}; // the label fills its box: its text lies on nothing else
        const PixelRect place = Place(form, id), client = ClientArea(form);
        const std::vector<uint32_t> pixels =
            CapturePixels(client.width, client.height,
                          [&](HDC dc) { SendMessageW(Shown(form), WM_ERASEBKGND, WPARAM(dc), 0); });
        std::set<uint32_t> under;
        for (int y = std::max(0, place.top); y < std::min(place.top + place.height, client.height);
             ++y)
            for (int x = std::max(0, place.left);
                 x < std::min(place.left + place.width, client.width); ++x)
                under.insert(pixels[size_t(y) * size_t(client.width) + size_t(x)]);
        return under;
    }
    markup::DisplayList Display(const FormTable& form, ControlId id) override {
        return win32::MarkupLabel::Of(Control(form, id))->Content();
    }
    Picture Capture(const FormTable& form) override {
        HWND window = Shown(form);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const PixelRect client = ClientArea(form);
        HDC screen = GetDC(window);
        Picture picture{client.width, client.height,
                        CapturePixels(client.width, client.height, [&](HDC dc) {
                            BitBlt(dc, 0, 0, client.width, client.height, screen, 0, 0, SRCCOPY);
                        })};
        ReleaseDC(window, screen);
        return picture;
    }
    void SaveScreenshot(const FormTable& form, const std::string& path) override {
        RedrawWindow(Shown(form), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveWindowPicture(Shown(form), path + ".bmp");
    }

private:
    // What the window sets for a label's painting: its text colour, and its fill (CLR_NONE
    // when it shows what lies behind it).
    std::pair<COLORREF, COLORREF> LabelPainting(const FormTable& form, ControlId id) {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(Shown(form), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(Control(form, id)));
        const std::pair painting{GetTextColor(dc),
                                 GetBkMode(dc) == OPAQUE ? GetBkColor(dc) : COLORREF(CLR_NONE)};
        DeleteDC(dc);
        return painting;
    }
    // The window made active, as the user clicks its title bar, so that its focus is the
    // thread's.
    HWND Activate(const FormTable& form) {
        HWND top = Shown(form);
        if (top && GetActiveWindow() != top) {
            SetForegroundWindow(top);
            SetActiveWindow(top);
            ProcessEvents();
        }
        return top;
    }
    // A message or input box of this thread, shown.
    static HWND OwnDialog() {
        for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box;
             box = FindWindowExW(nullptr, box, L"#32770", nullptr))
            if (IsWindowVisible(box) &&
                GetWindowThreadProcessId(box, nullptr) == GetCurrentThreadId())
                return box;
        return nullptr;
    }

    class Views views;
    win32::Win32Dialogs dialogs;
    UINT_PTR dialogTimer = 0;
    RECT keptWorkArea{};
};

} // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd(fixtures::FakeOs&, std::function<void()> noWindowLeft) {
    return std::make_unique<Win32FrontEnd>(std::move(noWindowLeft));
}

} // namespace ui::test_support
