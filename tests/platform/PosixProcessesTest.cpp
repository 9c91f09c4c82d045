// What only the Linux backend must do to stand in for Windows: find programs as Windows
// does, give hidden programs no terminal, and map the Windows-only programs.
#include "FakeOs.h"
#include "RealSystem.h"
#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/WindowSearch.h"
#include "platform/posix/PosixOs.h"
#include "text/Encoding.h"
#include "text/Text.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace platform;
using Lines = std::vector<std::string>;

class PosixProcesses : public ::testing::Test {
protected:
    // For programs that are not waited for: their lines, once there are that many.
    Lines LoggedOnce(size_t count) {
        for (int tries = 0; tries < 1000 && system.Logged().size() < count; ++tries)
            os.Sleep(10);
        return system.Logged(true);
    }

    fixtures::RealSystem system;
    Os& os = system.os();
    fixtures::FakeEventPump events;
};

TEST_F(PosixProcesses, ProgramsAreFoundAsWindowsFindsThemAndHiddenOnesGetNoTerminal) {
    std::filesystem::create_directories(system.folder / "my programs");
    std::filesystem::create_symlink(ASR_RECORDER_PATH, system.folder / "my programs" / "agent");
    RunHiddenAndWait(os, events, system.Path("my programs/agent") + u" --go now");
    RunHiddenAndWait(os, events, u"TeamViewer --version");
    setenv("ASR_RECORD_STDIN", "1", 1);
    RunHiddenAndWait(os, events, u"Net Stop \"TeamViewer\"");
    unsetenv("ASR_RECORD_STDIN");
    EXPECT_EQ(system.Logged(true), (Lines{"agent [--go] [now]", "TeamViewer.exe [--version]",
                                          "Net [Stop] [TeamViewer]", "stdin /dev/null"}));
}

// Arguments go out in UTF-8 whatever this program's own locale says.
TEST_F(PosixProcesses, ProgramsAreToldTheirArgumentsAreUtf8) {
    const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    // Each of the three deciding, with a locale that is not UTF-8.
    const char* rows[][3] = {{"C", "C.UTF-8", "C.UTF-8"}, {"", "POSIX", "C.UTF-8"}, {"", "", "C"}};
    std::optional<std::string> before[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = getenv(names[i]))
            before[i] = value;
    setenv("ASR_RECORD_CHARSET", "1", 1);
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i)
            row[i] ? setenv(names[i], row[i], 1) : unsetenv(names[i]);
        RunHiddenAndWait(os, events, text::FromAscii("\"" ASR_RECORDER_PATH "\""));
    }
    unsetenv("ASR_RECORD_CHARSET");
    for (int i = 0; i < 3; ++i)
        before[i] ? setenv(names[i], before[i]->c_str(), 1) : unsetenv(names[i]);
    const Lines lines = system.Logged(true);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "charset UTF-8"), std::ssize(rows));
}

TEST_F(PosixProcesses, TheShellAndTheKeyboardReachTheirLinuxCounterparts) {
    ShellOpen(os, u"https://www.example.com/manual/", system.Path(""), u'/');
    ShowOnScreenKeyboard(os);
    // Without osk.exe on the path, the keyboard is onboard.
    std::filesystem::create_directory(system.folder / "bin");
    std::filesystem::create_symlink(ASR_RECORDER_PATH, system.folder / "bin" / "onboard");
    const std::string path = getenv("PATH");
    setenv("PATH", ("/nonexistent:" + (system.folder / "bin").string()).c_str(), 1);
    const ProcessId keyboard = StartProgram(os, u"Osk.exe", WindowStyle::Normal);
    setenv("PATH", path.c_str(), 1);
    ASSERT_NE(keyboard, 0u);
    Lines lines = LoggedOnce(3);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (Lines{"onboard", "osk.exe", "xdg-open [https://www.example.com/manual/]"}));
}

TEST_F(PosixProcesses, OtherProcessesReportStillActiveWhileTheyLive) {
    pid_t pid = 0;
    char sleep[] = "sleep", seconds[] = "30";
    char* argv[] = {sleep, seconds, nullptr};
    ASSERT_EQ(posix_spawnp(&pid, "sleep", nullptr, nullptr, argv, environ), 0);
    ProcessHandle handle = os.OpenProcess(ProcessAllAccess, ProcessId(pid));
    uint32_t code = 0;
    ASSERT_TRUE(os.GetExitCodeProcess(handle, code));
    EXPECT_EQ(code, StillActive);
    EXPECT_TRUE(os.TerminateProcess(handle, StillActive));
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ASSERT_TRUE(os.GetExitCodeProcess(handle, code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(os.TerminateProcess(handle, 1));
    os.CloseHandle(handle);
    EXPECT_FALSE(os.GetExitCodeProcess(handle, code));
    EXPECT_EQ(os.OpenProcess(ProcessQueryInformation, ProcessId(pid)), 0u);
}

// Net Stop's command line is ProcessesTest's; how Net is found, the test above's.
TEST_F(PosixProcesses, WithoutADisplayThereAreNoWindows) {
    const std::string display = getenv("DISPLAY") ? getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    auto headless = std::make_unique<posix::PosixOs>("registry.reg", false);
    EXPECT_EQ(headless->GetFirstWindow(), 0u);
    EXPECT_EQ(FindWindowByTitle(*headless, events, u"", false), 0u);
    setenv("DISPLAY", display.c_str(), 1);
}

} // namespace
