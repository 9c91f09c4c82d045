#include "FakeOs.h"
#include "TempFolder.h"
#include "agent/AgentInstall.h"
#include "agent/AgentLaunch.h"
#include "app/Context.h"
#include "platform/ProcessRunner.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"
#include "text/Text.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace agent {
namespace {

using fixtures::ReadLines;

// The agent's programs as real processes: the recording programs stand in for Net,
// msiexec.exe and the agent, and log every call; a window owner stands in for a running
// agent's window. The agent's folders are written the Windows way, "folder\program", so
// the stand-ins in those folders carry that name.
class AgentProcessesTest : public ::testing::Test {
protected:
    AgentProcessesTest() { setenv("ASR_RECORD_LOG", log.c_str(), 1); }
    ~AgentProcessesTest() override { unsetenv("ASR_RECORD_LOG"); }

    void Export(const std::string& keys) {
        folder.Write("registry.reg", "REGEDIT4\r\n\r\n" + keys);
    }
    // A recording program answering to "<folder>\<program>".
    std::string AgentFolder(const std::string& name, const std::string& program) {
        std::filesystem::create_symlink(ASR_RECORDER_PATH, folder / (name + "\\" + program));
        return folder / name;
    }
    // The log once it holds the line, for programs that are started and not waited for.
    std::vector<std::string> LogWith(const std::string& line) {
        for (int tries = 0; tries < 500; ++tries, os->Sleep(10)) {
            std::vector<std::string> lines = ReadLines(log);
            if (!lines.empty() && lines.back() == line)
                return lines;
        }
        return ReadLines(log);
    }

    fixtures::TempFolder folder;
    std::string log = folder / "calls.log";
    std::unique_ptr<platform::Os> os = platform::CreateSystemOs(folder / "registry.reg", true);
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context context{
        *os, dialogs, events, session, {text::Utf8ToUtf16(folder.path.string()), u'/', u"", u""}};
};

TEST_F(AgentProcessesTest, OldAgentIsStoppedUninstalledAndTheInstallerStarted) {
    const std::string legacy = AgentFolder("tv9", "uninstall.exe");
    Export("[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\TeamViewer]\r\n"
           "\"Version\"=\"9.0.1\"\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\TeamViewer\\TeamViewer9]\r\n"
           "\"InstallationDirectory\"=\"" +
           legacy + "\"\r\n");

    EnsureAgentInstalled(context);

    const std::string installer =
        "msiexec.exe [/i] [C:\\Velmorn3\\TeamViewer_Host.msi] [/qb] [CUSTOMCONFIGID=pq4rz8w] "
        "[SETTINGSFILE=C:\\Velmorn3\\TeamViewer_Settings.tvopt]";
    EXPECT_EQ(LogWith(installer), (std::vector<std::string>{
                                      "Net [Stop] [TeamViewer 9]",
                                      "Net [Stop] [TeamViewer9]",
                                      "tv9\\uninstall.exe [/S]",
                                      "Net [Stop] [TeamViewer]",
                                      "Net [Stop] [tv_w32.exe]",
                                      "Net [Stop] [tv_x64.exe]",
                                      installer,
                                  }));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(AgentProcessesTest, LaunchEndsTheRunningAgentAndStartsItAgain) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run through with-xvfb.sh";
    const std::string agent = AgentFolder("TeamViewer", "TeamViewer.exe");
    Export("[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\TeamViewer]\r\n"
           "\"InstallationDirectory\"=\"" +
           agent + "\"\r\n");
    const platform::ProcessId running = platform::StartProgram(
        *os, text::FromAscii(ASR_WINDOW_OWNER_PATH " TeamViewer"), platform::WindowStyle::Normal);
    ASSERT_NE(running, 0u);
    platform::WindowHandle window = 0;
    for (int tries = 0; tries < 500 && window == 0; ++tries, os->Sleep(10))
        window = platform::FindWindowByTitle(*os, events, u"TeamViewer", true);
    ASSERT_NE(window, 0u);

    LaunchAgent(context);

    EXPECT_NE(kill(pid_t(running), 0), 0) << "the running agent was ended";
    EXPECT_EQ(LogWith("TeamViewer\\TeamViewer.exe"), (std::vector<std::string>{
                                                         "Net [Stop] [TeamViewer 9]",
                                                         "Net [Stop] [TeamViewer9]",
                                                         "Net [Stop] [TeamViewer]",
                                                         "Net [Stop] [tv_w32.exe]",
                                                         "Net [Stop] [tv_x64.exe]",
                                                         "TeamViewer\\TeamViewer.exe",
                                                     }));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AgentProcessesTest, LaunchWithoutAFolderFailsSilently) {
    Export("");
    LaunchAgent(context);
    EXPECT_EQ(ReadLines(log).size(), 5u) << "the five stops and nothing else";
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace agent
