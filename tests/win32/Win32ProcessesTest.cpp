#include "ChildProcess.h"
#include "platform/win32/Win32Os.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::Win32Os;
using win32test::ChildProcess;
using win32test::HelperPath;

TEST(Win32Processes, StartsWaitsForAndTerminatesAProgram) {
    Win32Os os;
    const platform::ProcessId id =
        os.CreateProcess(HelperPath(u"Sleeper.exe") + u" 60000", platform::WindowStyle::Hidden);
    ASSERT_NE(id, 0u);

    const platform::ProcessHandle waiting = os.OpenProcess(platform::ProcessQueryInformation, id);
    ASSERT_NE(waiting, 0u);
    uint32_t code = 0;
    EXPECT_TRUE(os.GetExitCodeProcess(waiting, code));
    EXPECT_EQ(code, platform::StillActive);
    EXPECT_FALSE(os.TerminateProcess(waiting, 5)) << "0x400 gives no right to terminate";

    const platform::ProcessHandle all = os.OpenProcess(platform::ProcessAllAccess, id);
    ASSERT_NE(all, 0u);
    EXPECT_TRUE(os.TerminateProcess(all, 5));
    os.Sleep(200);
    EXPECT_TRUE(os.GetExitCodeProcess(waiting, code));
    EXPECT_EQ(code, 5u);
    os.CloseHandle(all);
    os.CloseHandle(waiting);
}

TEST(Win32Processes, AProgramThatCannotStartGivesNoProcess) {
    Win32Os os;
    EXPECT_EQ(os.CreateProcess(u"C:\\NoExiste\\Programa.exe", platform::WindowStyle::Normal), 0u);
    uint32_t code = 77;
    EXPECT_EQ(os.OpenProcess(platform::ProcessQueryInformation, 0), 0u);
    EXPECT_FALSE(os.GetExitCodeProcess(0, code));
    EXPECT_EQ(code, 77u);
}

TEST(Win32Windows, WalksTheTopLevelWindowsToTheirOwners) {
    ChildProcess owner(HelperPath(u"WindowOwner.exe"));
    ASSERT_TRUE(owner.Started());
    Win32Os os;
    platform::WindowHandle found = 0;
    for (int attempt = 0; attempt < 200 && !found; ++attempt, os.Sleep(50))
        for (auto w = os.GetFirstWindow(); w && !found; w = os.GetNextWindow(w))
            if (os.GetWindowText(w, os.GetWindowTextLength(w) + 1) == u"TeamViewer test")
                found = w;
    ASSERT_NE(found, 0u);
    EXPECT_EQ(os.GetWindowTextLength(found), 15);
    EXPECT_EQ(os.GetWindowText(found, 5), u"Team");
    EXPECT_EQ(os.GetWindowProcessId(found), owner.Id());
}

} // namespace
