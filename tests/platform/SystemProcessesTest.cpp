// Programs and windows on the real system: the Linux backend natively (under Xvfb), the
// Win32 one under Wine.
#include "FakeOs.h"
#include "RealSystem.h"
#include "platform/Processes.h"
#include "platform/Utf8Text.h"
#include "platform/WindowSearch.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using Lines = std::vector<std::string>;

class SystemProcesses : public ::testing::Test {
protected:
    uint32_t WaitForExitCode(ProcessHandle handle) {
        uint32_t code = StillActive;
        for (int tries = 0;
             tries < 1000 && os.GetExitCodeProcess(handle, code) && code == StillActive; ++tries)
            os.Sleep(10);
        return code;
    }

    fixtures::RealSystem system;
    Os& os = system.os();
    fixtures::FakeEventPump events;
};

TEST_F(SystemProcesses, RunHiddenAndWaitPollsUntilTheProgramEnds) {
    RunHiddenAndWait(os, events, system.Recorder(7, 300));
    EXPECT_GE(events.count, 3) << "a 100 ms sleep follows every poll";
    EXPECT_LT(events.count, 1000) << "it ended before the poll limit";

    fixtures::FakeEventPump missing;
    RunHiddenAndWait(os, missing, system.Path("no-such-program.exe") + u" --flag");
    EXPECT_EQ(missing.count, 1);
    EXPECT_EQ(StartProgram(os, system.Path("no-such-program.exe"), WindowStyle::Normal), 0u);
}

TEST_F(SystemProcesses, AProgramReceivesTheUtf8BytesSplitByTheWindowsRules) {
    RunHiddenAndWait(os, events,
                     system.Recorder() + u" " + Utf8ByteText(os, u"Almacén ñ€") +
                         u" a\\\\\\\"b \"c d\\\\\" e\\f \"say \"\"hi\"\"\" \"\" {'x':'y z'}");
    EXPECT_EQ(
        system.Logged(),
        Lines{"[Almac\xC3\xA9n] [\xC3\xB1\xE2\x82\xAC] [a\\\"b] [c d\\] [e\\f] [say \"hi\"] [] "
              "[{'x':'y] [z'}]"});
}

TEST_F(SystemProcesses, ProgramsReportTheirExitCodesAndCanBeTerminated) {
    const ProcessId quick = StartProgram(os, system.Recorder(3), WindowStyle::Hidden);
    const ProcessHandle quickHandle = os.OpenProcess(ProcessQueryInformation, quick);
    EXPECT_EQ(WaitForExitCode(quickHandle), 3u);
    os.CloseHandle(quickHandle);

    const ProcessId sleeper = StartProgram(os, system.Recorder(0, 30000), WindowStyle::Hidden);
    const ProcessHandle handle = os.OpenProcess(ProcessAllAccess, sleeper);
    uint32_t code = 0;
    ASSERT_TRUE(os.GetExitCodeProcess(handle, code));
    EXPECT_EQ(code, StillActive);
    EXPECT_TRUE(os.TerminateProcess(handle, 7));
    EXPECT_EQ(WaitForExitCode(handle), 7u);
    os.CloseHandle(handle);
    EXPECT_FALSE(os.TerminateProcess(handle, 1)) << "a closed handle";
    EXPECT_EQ(os.OpenProcess(ProcessQueryInformation, 0), 0u);
}

TEST_F(SystemProcesses, TheOwnerOfAMatchingWindowIsFoundAndStopped) {
    const ProcessId owner =
        StartProgram(os, system.WindowOwner("TeamViewer test"), WindowStyle::Normal);
    ASSERT_NE(owner, 0u);
    WindowHandle window = 0;
    for (int tries = 0; tries < 500 && !window; ++tries, os.Sleep(10))
        window = FindWindowByTitle(os, events, u"teamviewer", false);
    ASSERT_NE(window, 0u);
    EXPECT_GT(events.count, 0) << "events run while the windows are searched";
    EXPECT_EQ(GetWindowTitle(os, window), u"TeamViewer test");
    EXPECT_EQ(os.GetWindowText(window, 11), u"TeamViewer");
    EXPECT_EQ(os.GetWindowProcessId(window), owner);
    EXPECT_EQ(FindWindowByTitle(os, events, u"teamviewer TEST", true), window);
    EXPECT_EQ(FindWindowByTitle(os, events, u"teamviewer", true), 0u);

    EXPECT_TRUE(StopServiceAndProcesses(os, events, u"TeamViewer"));
    WindowHandle left = window;
    for (int tries = 0; tries < 500 && left; ++tries, os.Sleep(10))
        left = FindWindowByTitle(os, events, u"teamviewer", false);
    EXPECT_EQ(left, 0u);
    EXPECT_FALSE(StopServiceAndProcesses(os, events, u"TeamViewer"));
}

} // namespace
