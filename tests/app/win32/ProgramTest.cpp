// The Windows program when its start-up fails: the user reads what happened in Spanish, in
// a box of its own, and the program ends with a failure status.
#include "app/win32/Program.h"

#include "../StartUpFailures.h"
#include "ui/Windows.h"
#include "ui/frmMain.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Api.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

using app::test_support::StartUpFailure, app::test_support::StartUpFailures;

// What the box of this thread said, read from inside its modal loop, and whether another
// window of the thread still showed beside it.
struct Said {
    std::u16string title, text;
    bool alone = true, answered = false;
};
Said said;

BOOL CALLBACK NoteShown(HWND window, LPARAM box) {
    if (window != reinterpret_cast<HWND>(box) && ::IsWindowVisible(window))
        said.alone = false;
    return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = ::FindWindowW(L"#32770", nullptr);
    if (!box || ::GetWindowThreadProcessId(box, nullptr) != ::GetCurrentThreadId())
        return;
    ::KillTimer(nullptr, timer);
    said.title = ui::win32::FromWide(ui::win32::WindowText(box));
    said.text = ui::win32::FromWide(ui::win32::WindowText(::GetDlgItem(box, 0xFFFF)));
    ::EnumThreadWindows(::GetCurrentThreadId(), NoteShown, reinterpret_cast<LPARAM>(box));
    said.answered = true;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(Win32Program, AFailedStartUpIsToldAndEndsTheProgram) {
    const session::Configuration config{.installDir = u"C:\\Velmorn3",
                                        .pathSeparator = u'\\',
                                        .serviceHost = u"127.0.0.1:9",
                                        .webHost = u"www.lunadoro.example",
                                        .supportEmail = u"soporte@lunadoro.example",
                                        .standbyPhone = u"(+34) 900 000 000"};
    for (const StartUpFailure& failure : StartUpFailures) {
        SCOPED_TRACE(failure.name);
        said = {};
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, AnswerBox);
        const int status = app::win32::RunProgram(config, failure.startUp);
        ::KillTimer(nullptr, timer);
        EXPECT_TRUE(said.answered) << "no box was shown";
        EXPECT_EQ(status, 1);
        EXPECT_EQ(said.title, u"Asistencia Remota");
        EXPECT_EQ(said.text, failure.told);
        EXPECT_TRUE(said.alone) << "a window of the failed run is still shown";
    }
}

} // namespace
