#include "FakeOs.h"
#include "TempFolder.h"
#include "platform/FileHelpers.h"
#include "platform/ProcessRunner.h"
#include "platform/SystemOs.h"
#include "text/Text.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using fixtures::FakeEventPump;
using fixtures::ReadLines;
using fixtures::TempFolder;
using namespace platform;

// Runs with the recording programs first on PATH, logging into a folder of its own.
class RealProcesses : public ::testing::Test {
protected:
    void SetUp() override { setenv("ASR_RECORD_LOG", log.c_str(), 1); }
    void TearDown() override {
        unsetenv("ASR_RECORD_LOG");
        unsetenv("ASR_RECORD_STDIN");
    }
    std::vector<std::string> Logged() const { return ReadLines(log); }
    // For programs that are not waited for: their lines, once there are that many.
    std::vector<std::string> LoggedOnce(size_t count) const {
        for (int tries = 0; tries < 1000 && ReadLines(log).size() < count; ++tries)
            os->Sleep(10);
        return ReadLines(log);
    }

    TempFolder folder;
    std::string log = folder / "calls.log";
    std::unique_ptr<Os> os = CreateSystemOs(folder / "registry.reg", false);
    FakeEventPump events;
};

TEST_F(RealProcesses, RunHiddenAndWaitPollsUntilTheProgramEnds) {
    RunHiddenAndWait(*os, events, u"sleep 0.25");
    EXPECT_GE(events.count, 3);    // a 100 ms sleep follows every poll
    EXPECT_LT(events.count, 1000); // it ended before the poll limit

    FakeEventPump missing;
    RunHiddenAndWait(*os, missing, u"no-such-program-anywhere --flag");
    EXPECT_EQ(missing.count, 1);

    RunHiddenAndWait(*os, events, u"Net Stop \"TeamViewer\"");
    EXPECT_EQ(Logged(), std::vector<std::string>{"Net [Stop] [TeamViewer]"});
}

TEST_F(RealProcesses, CommandLinesAreSplitByTheWindowsRules) {
    RunHiddenAndWait(*os, events, u"msiexec.exe /i \"/tmp/a b/x.msi\" /qn");
    RunHiddenAndWait(*os, events, u"Net a\\\\\\\"b \"c d\\\\\" e\\f \"say \"\"hi\"\"\"");
    RunHiddenAndWait(*os, events, u"  \"uninstall.exe\"   /S  ");
    EXPECT_EQ(Logged(), (std::vector<std::string>{"msiexec.exe [/i] [/tmp/a b/x.msi] [/qn]",
                                                  "Net [a\\\"b] [c d\\] [e\\f] [say \"hi\"]",
                                                  "uninstall.exe [/S]"}));
}

TEST_F(RealProcesses, ProgramsAreFoundAsWindowsFindsThem) {
    std::filesystem::create_directories(folder.path / "my programs");
    std::filesystem::create_symlink(ASR_RECORDER_PATH, folder.path / "my programs" / "agent");
    RunHiddenAndWait(*os, events, text::FromAscii(folder / "my programs/agent --go now"));
    RunHiddenAndWait(*os, events, u"TeamViewer --version");

    TempFolder keyboardOnly;
    std::filesystem::create_symlink(ASR_RECORDER_PATH, keyboardOnly.path / "onboard");
    std::string path = getenv("PATH");
    setenv("PATH", keyboardOnly.path.c_str(), 1);
    ProcessId keyboard = StartProgram(*os, u"Osk.exe", WindowStyle::Normal);
    setenv("PATH", path.c_str(), 1);
    ASSERT_NE(keyboard, 0u);
    EXPECT_EQ(LoggedOnce(3), (std::vector<std::string>{"agent [--go] [now]",
                                                       "TeamViewer.exe [--version]", "onboard"}));
}

TEST_F(RealProcesses, HiddenProgramsGetNoTerminalInput) {
    setenv("ASR_RECORD_STDIN", "1", 1);
    RunHiddenAndWait(*os, events, u"Net hidden");
    std::vector<std::string> lines = Logged();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "stdin /dev/null");
}

TEST_F(RealProcesses, AStartedProgramReceivesTheUtf8Bytes) {
    RunHiddenAndWait(*os, events, u"Net " + Utf8ByteText(*os, u"Almacén"));
    EXPECT_EQ(Logged(), std::vector<std::string>{"Net [Almac\xC3\xA9n]"});
}

TEST_F(RealProcesses, ChildrenReportTheirExitCodesAndCanBeTerminated) {
    setenv("ASR_RECORD_EXIT_CODE", "3", 1);
    ProcessId quick = StartProgram(*os, u"Net", WindowStyle::Hidden);
    unsetenv("ASR_RECORD_EXIT_CODE");
    ProcessHandle quickHandle = os->OpenProcess(ProcessQueryInformation, quick);
    uint32_t code = StillActive;
    while (os->GetExitCodeProcess(quickHandle, code) && code == StillActive)
        os->Sleep(10);
    EXPECT_EQ(code, 3u);
    os->CloseHandle(quickHandle);
    EXPECT_FALSE(os->GetExitCodeProcess(quickHandle, code));

    ProcessId sleeper = StartProgram(*os, u"sleep 30", WindowStyle::Hidden);
    ProcessHandle handle = os->OpenProcess(ProcessAllAccess, sleeper);
    ASSERT_TRUE(os->GetExitCodeProcess(handle, code));
    EXPECT_EQ(code, StillActive);
    EXPECT_TRUE(os->TerminateProcess(handle, 7));
    ASSERT_TRUE(os->GetExitCodeProcess(handle, code));
    EXPECT_EQ(code, 7u);
    EXPECT_FALSE(os->TerminateProcess(handle, 7));
    os->CloseHandle(handle);
}

TEST_F(RealProcesses, OtherProcessesReportStillActiveWhileTheyLive) {
    pid_t pid = 0;
    char sleep[] = "sleep", seconds[] = "30";
    char* argv[] = {sleep, seconds, nullptr};
    ASSERT_EQ(posix_spawnp(&pid, "sleep", nullptr, nullptr, argv, environ), 0);
    ProcessHandle handle = os->OpenProcess(ProcessAllAccess, ProcessId(pid));
    ASSERT_NE(handle, 0u);
    uint32_t code = 0;
    ASSERT_TRUE(os->GetExitCodeProcess(handle, code));
    EXPECT_EQ(code, StillActive);
    EXPECT_TRUE(os->TerminateProcess(handle, StillActive));
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ASSERT_TRUE(os->GetExitCodeProcess(handle, code));
    EXPECT_EQ(code, 0u);
    os->CloseHandle(handle);
    EXPECT_EQ(os->OpenProcess(ProcessQueryInformation, ProcessId(pid)), 0u);
    EXPECT_EQ(os->OpenProcess(ProcessQueryInformation, 0), 0u);
}

TEST_F(RealProcesses, TheShellOpensWithXdgOpenAndTheKeyboardWithOsk) {
    ShellOpen(*os, u"https://www.example.com/manual/", folder.path.u16string());
    ShowOnScreenKeyboard(*CreateSystemOs(folder / "registry.reg", true));
    std::vector<std::string> lines = LoggedOnce(2);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines,
              (std::vector<std::string>{"osk.exe", "xdg-open [https://www.example.com/manual/]"}));
}

} // namespace
