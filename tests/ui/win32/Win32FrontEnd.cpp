// The Win32 front end under Wine, its windows found by caption and control id and driven
// with the messages a user's actions send.
#include "../FrontEnd.h"
#include "platform/Processes.h"
#include "platform/win32/DdeSource.h"
#include "platform/win32/Win32Os.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/MarkupLabel.h"
#include "ui/win32/Resources.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32ViewFactory.h"

#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace ui::test_support {
namespace {

using win32::FormWindow, win32::Wide, win32::WindowText;

std::map<UINT_PTR, std::function<void()>> timerActions;

void CALLBACK RunTimerAction(HWND, UINT, UINT_PTR timer, DWORD) {
    if (timerActions.count(timer))
        timerActions.at(timer)();
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
    explicit Win32FrontEnd(std::function<void()> noWindowLeft) : views(std::move(noWindowLeft)) {}

    ViewFactory& Views() override { return views; }
    double DotsPerInch() override {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return dpi;
    }
    bool IsShown(const FormTable& form) override { return Window(form); }
    std::u16string Title(const FormTable& form) override {
        return win32::FromWide(WindowText(Window(form)));
    }
    PixelRect ClientArea(const FormTable& form) override {
        RECT client{};
        GetClientRect(Window(form), &client);
        return {0, 0, client.right, client.bottom};
    }
    PixelRect Place(const FormTable& form, ControlId id) override {
        RECT place{};
        GetWindowRect(Control(form, id), &place);
        MapWindowPoints(nullptr, Window(form), reinterpret_cast<POINT*>(&place), 2);
        return {place.left, place.top, place.right - place.left, place.bottom - place.top};
    }
    std::u16string Caption(const FormTable& form, ControlId id) override {
        return win32::FromWide(WindowText(Control(form, id)));
    }
    bool IsVisible(const FormTable& form, ControlId id) override {
        return IsWindowVisible(Control(form, id));
    }
    uint32_t TextColour(const FormTable& form, ControlId id) override {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(Window(form), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(Control(form, id)));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
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
    std::set<uint32_t> LaidOutColours(const FormTable& form, ControlId id) override {
        return ColoursOf(win32::MarkupLabel::Of(Control(form, id))->Content());
    }
    std::set<uint32_t> PaintedColours(const FormTable& form, ControlId id) override {
        HWND label = Control(form, id);
        RECT client{};
        GetClientRect(label, &client);
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, bitmap);
        SendMessageW(label, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
        std::set<uint32_t> colours;
        for (int i = 0; i < client.right * client.bottom; ++i) { // 0x00RRGGBB to 0x00BBGGRR
            const uint32_t pixel = static_cast<uint32_t*>(bits)[i];
            colours.insert((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
        }
        DeleteDC(dc);
        DeleteObject(bitmap);
        return colours;
    }
    uint32_t GradientActiveCaption() override { return GetSysColor(COLOR_GRADIENTACTIVECAPTION); }

    void MovePointer(const FormTable& form, ControlId id) override {
        SendMessageW(id.name.empty() ? Window(form) : Control(form, id), WM_MOUSEMOVE, 0,
                     MAKELPARAM(2, 2));
    }
    void PressPointer(const FormTable& form, ControlId id) override {
        SendMessageW(Control(form, id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    }
    void ReleasePointer(const FormTable& form, ControlId id) override {
        SendMessageW(Control(form, id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    void Click(const FormTable& form, ControlId id) override {
        if (FindControl(form, id.name, id.index)->kind != ControlKind::Label) {
            SendMessageW(Control(form, id), BM_CLICK, 0, 0);
            return;
        }
        PressPointer(form, id);
        ReleasePointer(form, id);
    }
    void Type(const FormTable& form, ControlId id, std::u16string_view text) override {
        for (char16_t c : text)
            SendMessageW(Control(form, id), WM_CHAR, WPARAM(c), 0);
    }
    void PressEnter(const FormTable& form, ControlId id) override {
        SendMessageW(Control(form, id), WM_KEYDOWN, VK_RETURN, 0);
    }
    void CloseBox(const FormTable& form) override { SendMessageW(Window(form), WM_CLOSE, 0, 0); }
    // A timer of the thread: its message runs the action from whichever loop is running.
    void WhenShown(const FormTable& form, std::function<void()> action) override {
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, RunTimerAction);
        timerActions[timer] = [this, timer, &form, action] {
            if (!Window(form))
                return;
            KillTimer(nullptr, timer);
            auto keep = std::move(timerActions[timer]);
            timerActions.erase(timer);
            action();
        };
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

private:
    HWND Window(const FormTable& form) {
        HWND found = FindWindowW(FormWindow::ClassName, Wide(form.caption).c_str());
        return found && IsWindowVisible(found) ? found : nullptr;
    }
    HWND Control(const FormTable& form, ControlId id) {
        HWND control = FormWindow::FindControlWindow(Window(form), form, id);
        if (!control)
            throw std::out_of_range("no such control shown");
        return control;
    }

    class Views views;
};

// The message boxes are answered in the end-to-end run.
TEST(Win32Dialogs, TheInputBoxGivesTheTypedTextOrNothing) {
    win32::Win32Dialogs dialogs;
    for (auto [button, answer] : {std::pair{IDOK, std::optional<std::u16string>(u"Bazar Ñandú")},
                                  {IDCANCEL, std::nullopt}}) {
        std::thread typist([button] {
            HWND box = nullptr;
            for (int attempt = 0; attempt < 500 && !box; ++attempt, Sleep(10))
                if (HWND found = FindWindowW(L"#32770", L"Empresa"); IsWindowVisible(found))
                    box = found;
            EXPECT_EQ(WindowText(GetDlgItem(box, IDC_INPUT_TEXT)), L"Demo");
            SetDlgItemTextW(box, IDC_INPUT_TEXT, L"Bazar Ñandú");
            SendMessageW(box, WM_COMMAND, button, 0);
        });
        EXPECT_EQ(dialogs.InputBox(u"Nombre de la empresa", u"Empresa", u"Demo"), answer);
        typist.join();
    }
}

} // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd(fixtures::FakeOs&, std::function<void()> noWindowLeft) {
    return std::make_unique<Win32FrontEnd>(std::move(noWindowLeft));
}

} // namespace ui::test_support
