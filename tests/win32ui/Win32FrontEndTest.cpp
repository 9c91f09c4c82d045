#include "../ui/FakeWindows.h"
#include "platform/Processes.h"
#include "platform/win32/DdeSource.h"
#include "platform/win32/Win32Os.h"
#include "service/IncidentLookup.h"
#include "service/StatusView.h"
#include "ui/FormTables.h"
#include "ui/Splash.h"
#include "ui/TermsText.h"
#include "ui/Windows.h"
#include "ui/frmMain.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/MarkupLabel.h"
#include "ui/win32/Resources.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32EventPump.h"
#include "ui/win32/Win32ViewFactory.h"

#include "json/clsJson.h"
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace ui {
namespace {

using test_support::Installation;
using win32::FormWindow;

// The real windows over the portable core, with a scripted OS and scripted waits.
struct Program {
    fixtures::FakeOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, Installation};
    win32::Win32ViewFactory views;
    Windows windows{context, views};
};

std::wstring TextOf(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// A top-level window of this program (or a box of the system's class) once it shows: it
// exists before its controls do, and a click sent in between would be lost.
HWND WaitFor(const wchar_t* type, const wchar_t* caption) {
    for (int attempt = 0; attempt < 500; ++attempt, Sleep(10))
        if (HWND found = FindWindowW(type, caption); found && IsWindowVisible(found))
            return found;
    return nullptr;
}

HWND Control(const wchar_t* caption, const FormTable& table, std::u16string_view name,
             int32_t index = NoIndex) {
    return FormWindow::FindControlWindow(FindWindowW(FormWindow::ClassName, caption), table,
                                         {name, index});
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

TEST(Win32Windows, AreBuiltFromTheirTables) {
    win32::Win32ViewFactory views;
    FormEvents none;
    const std::map<ControlKind, std::wstring> classes = {
        {ControlKind::Label, L"Static"},
        {ControlKind::MarkupLabel, win32::MarkupLabel::ClassName},
        {ControlKind::PushButton, L"Button"},
        {ControlKind::CheckBox, L"Button"},
        {ControlKind::TextBox, L"Edit"},
        {ControlKind::ProgressBar, L"msctls_progress32"},
        {ControlKind::GroupBox, L"Button"},
        {ControlKind::Picture, L""}};
    for (const FormTable& table :
         {SplashTable(), FrmMainTable(Installation), FrmExplicaTable(), FrmDialogTable()}) {
        auto view = views.CreateView(table, none);
        auto& form = dynamic_cast<FormWindow&>(*view);
        const UINT dpi = win32::WindowDpi(form.Handle());
        RECT client{};
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, win32::Pixels(table.clientWidth, dpi));
        EXPECT_EQ(TextOf(form.Handle()), Wide(table.caption));
        for (const ControlEntry& entry : table.controls) {
            HWND control = form.ControlWindow({entry.name, entry.index});
            std::wstring type(64, L'\0');
            type.resize(control ? size_t(GetClassNameW(control, type.data(), 64)) : 0);
            EXPECT_EQ(_wcsicmp(type.c_str(), classes.at(entry.kind).c_str()), 0)
                << Wide(entry.name);
            if (!control)
                continue;
            EXPECT_EQ(bool(GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP), entry.tabIndex >= 0);
            if (entry.kind != ControlKind::TextBox && entry.kind != ControlKind::MarkupLabel) {
                EXPECT_EQ(TextOf(control), Wide(entry.caption)) << Wide(entry.name);
            }
            if (!entry.font.name.empty()) {
                EXPECT_EQ(FontOf(control).lfFaceName, Wide(entry.font.name));
                EXPECT_EQ(FontOf(control).lfHeight, -std::lround(entry.font.points * dpi / 72));
            }
        }
    }
}

TEST(Win32Windows, TheTermsAreAcceptedOnlyWithTheBoxTickedAndContinuar) {
    struct Case {
        int ticks;
        bool viaContinue;
        bool accepted;
    };
    for (auto [ticks, viaContinue, accepted] :
         {Case{1, true, true}, {0, true, false}, {1, false, false}, {2, true, false}}) {
        Program program;
        std::thread user([&] {
            HWND splash = WaitFor(FormWindow::ClassName, L"Garantías de uso");
            for (int i = 0; i < ticks; ++i)
                SendMessageW(Control(L"Garantías de uso", SplashTable(), u"Ch00"), BM_CLICK, 0, 0);
            if (viaContinue)
                SendMessageW(Control(L"Garantías de uso", SplashTable(), u"Bt00"), BM_CLICK, 0, 0);
            else
                PostMessageW(splash, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(program.windows.SplashWindow().Seguir(), accepted);
        user.join();
    }
}

TEST(Win32Windows, TheMainWindowOpensTheFormOnceAndItsLinksChangeColour) {
    Program program;
    program.windows.MainWindow().Show();
    const wchar_t* main = L"Asistencia Remota Lunadoro";
    const FormTable table = FrmMainTable(Installation);
    for (int click = 0; click < 2; ++click)
        SendMessageW(Control(main, table, u"Bt00"), BM_CLICK, 0, 0);
    EXPECT_NE(FindWindowW(FormWindow::ClassName, L"Soporte Remoto"), nullptr);
    EXPECT_EQ(FindWindowExW(nullptr, FindWindowW(FormWindow::ClassName, L"Soporte Remoto"),
                            FormWindow::ClassName, L"Soporte Remoto"),
              nullptr);

    HWND link = Control(main, table, u"Lb10", 1);
    struct Step {
        HWND target;
        UINT message;
        COLORREF colour;
        bool underlined;
    };
    for (auto [target, message, colour, underlined] : {Step{link, WM_MOUSEMOVE, 0xFF0000, true},
                                                       {link, WM_LBUTTONDOWN, 0xFF, true},
                                                       {link, WM_LBUTTONUP, 0xFF0000, true},
                                                       {GetParent(link), WM_MOUSEMOVE, 0, false}}) {
        SendMessageW(target, message, 0, MAKELPARAM(2, 2));
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(GetParent(link), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(link));
        EXPECT_EQ(GetTextColor(dc), colour);
        DeleteDC(dc);
        EXPECT_EQ(bool(FontOf(link).lfUnderline), underlined);
    }
    EXPECT_EQ(program.os.shellCalls.size(), 1u) << "the click on Manuales";

    // A handler that fails inside the window procedure is told, and the window goes on.
    program.os.shellFails = true;
    SendMessageW(link, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, table.caption);
    EXPECT_TRUE(program.dialogs.messages[0].text.starts_with(u"No se ha podido completar"));
    program.os.shellFails = false;
    SendMessageW(link, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(program.os.shellCalls.size(), 2u);
    program.windows.CloseMainWindows();
}

TEST(Win32Windows, EnterLooksUpTheNumberAndALookupWaitingIgnoresMore) {
    Program program;
    program.os.ScriptProgram(u"C:\\Velmorn3\\Wget\\Wget.exe", {.pollsUntilExit = 3});
    program.windows.MainWindow().Show();
    const FormTable table = FrmDialogTable();
    HWND link = Control(L"Asistencia Remota Lunadoro", FrmMainTable(Installation), u"Lb10", 3);
    SendMessageW(link, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    HWND number = Control(L"Consultar incidencia", table, u"Tx00");
    ASSERT_NE(number, nullptr);
    SetWindowTextW(number, L"123");
    program.events.onPump = [&] {
        SendMessageW(number, WM_KEYDOWN, VK_RETURN, 0);
        SendMessageW(Control(L"Consultar incidencia", table, u"Bt01"), BM_CLICK, 0, 0);
    };
    SendMessageW(number, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(program.os.started.size(), 1u);
    EXPECT_EQ(TextOf(Control(L"Consultar incidencia", table, u"Lb01")),
              Wide(service::NoConnectionMarkup));
    program.windows.CloseMainWindows();
}

TEST(Win32Windows, CerrarFromAnotherProgramClosesTheMainWindowAndNothingElseDoes) {
    Program program;
    program.windows.MainWindow().Show();
    for (auto [command, closes] : {std::pair{u"cerrar", false}, {u"Cerrar", true}}) {
        // The client's exit code, the window's messages running while it talks to it.
        platform::win32::Win32Os os;
        const auto handle = os.OpenProcess(
            platform::ProcessQueryInformation,
            platform::StartProgram(os,
                                   os.ProgramFolder() + u"\\DdeClient.exe " +
                                       platform::win32::DdeSource::ExecutableBaseName() +
                                       u" FrmMain " + command,
                                   platform::WindowStyle::Hidden));
        uint32_t code = platform::StillActive;
        for (int i = 0;
             i < 600 && os.GetExitCodeProcess(handle, code) && code == platform::StillActive;
             ++i, os.Sleep(50))
            win32::Win32EventPump().ProcessPendingEvents();
        os.CloseHandle(handle);
        EXPECT_EQ(code, 0u) << "delivered, never accepted";
        win32::Win32EventPump().ProcessPendingEvents();
        EXPECT_EQ(program.windows.MainWindow().IsLoaded(), !closes);
    }
}

// Every colour of the laid-out content shows in the painting; content taller than the
// label scrolls.
TEST(Win32MarkupLabel, PaintsEveryMarkupTextOfTheProgram) {
    Program program;
    json::clsJson parser;
    auto incident = parser.parse(
        u"{\"ID\":7,\"CABECERA\":{\"NUMERO\":\"A-77\",\"FECHA\":\"01/12/2025\",\"ESTADO\":"
        u"\"Abierta\"},\"LINEAS\":[{\"ID\":1,\"FECHA\":\"01/12/2025\",\"OBSERVACION\":{\"ID\":2,"
        u"\"OBSERVACION\":\"Impresora sin papel en el almacén\"},\"OPERADOR\":{\"DESCRIPCION\":"
        u"\"Ana\",\"GRUPO\":\"Soporte\"}}]}");
    HWND label = CreateWindowExW(0, win32::MarkupLabel::ClassName, L"", WS_POPUP, 0, 0, 465, 345,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const std::u16string& markup :
         {TermsMarkup(u"(+34) 900 000 000"), std::u16string(service::NotFoundMarkup),
          std::u16string(service::NoDataMarkup), std::u16string(service::NoConnectionMarkup),
          service::StatusView(program.context, incident)}) {
        SetWindowTextW(label, Wide(markup).c_str());
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, 465, -345, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, bitmap);
        SendMessageW(label, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
        std::set<uint32_t> painted;
        for (int i = 0; i < 465 * 345; ++i) { // 0x00RRGGBB to 0x00BBGGRR
            const uint32_t pixel = static_cast<uint32_t*>(bits)[i];
            painted.insert((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
        }
        const auto& content = win32::MarkupLabel::Of(label)->Content();
        EXPECT_FALSE(content.items.empty());
        for (const auto& item : content.items) {
            uint32_t colour = 0xFFFFFFFF;
            if (auto* run = std::get_if<markup::TextRun>(&item))
                colour = run->colour;
            else if (auto* box = std::get_if<markup::FilledRect>(&item))
                colour = box->colour;
            else if (auto* border = std::get_if<markup::BorderRect>(&item))
                colour = border->colour;
            EXPECT_TRUE(colour == 0xFFFFFFFF || painted.count(colour)) << std::hex << colour;
        }
        RECT client{};
        GetClientRect(label, &client);
        EXPECT_EQ(bool(GetWindowLongW(label, GWL_STYLE) & WS_VSCROLL),
                  content.contentHeight > client.bottom);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    DestroyWindow(label);
}

// The message boxes are answered in the end-to-end run.
TEST(Win32Dialogs, TheInputBoxGivesTheTypedTextOrNothing) {
    win32::Win32Dialogs dialogs;
    for (auto [button, answer] : {std::pair{IDOK, std::optional<std::u16string>(u"Bazar Ñandú")},
                                  {IDCANCEL, std::nullopt}}) {
        std::thread typist([button] {
            HWND box = WaitFor(L"#32770", L"Empresa");
            EXPECT_EQ(TextOf(GetDlgItem(box, IDC_INPUT_TEXT)), L"Demo");
            SetDlgItemTextW(box, IDC_INPUT_TEXT, L"Bazar Ñandú");
            SendMessageW(box, WM_COMMAND, button, 0);
        });
        EXPECT_EQ(dialogs.InputBox(u"Nombre de la empresa", u"Empresa", u"Demo"), answer);
        typist.join();
    }
}

} // namespace
} // namespace ui
