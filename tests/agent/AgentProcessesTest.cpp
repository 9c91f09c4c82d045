// The agent's programs as real processes. The agent's folders are written the Windows way,
// "folder\program", so the stand-ins in those folders carry that name.
#include "FakeOs.h"
#include "RealSystem.h"
#include "agent/AgentInstall.h"
#include "agent/AgentLaunch.h"
#include "app/Context.h"
#include "platform/ProcessRunner.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>

namespace agent {
namespace {

using Lines = std::vector<std::string>;

const Lines FiveStops = {"Net [Stop] [TeamViewer 9]", "Net [Stop] [TeamViewer9]",
                         "Net [Stop] [TeamViewer]", "Net [Stop] [tv_w32.exe]",
                         "Net [Stop] [tv_x64.exe]"};

class AgentProcessesTest : public ::testing::Test {
protected:
    // A recording program answering to "<folder>\<program>"; the folder as the registry holds it.
    std::string AgentFolder(const std::string& name, const std::string& program) {
        std::filesystem::create_symlink(ASR_RECORDER_PATH, system.folder / (name + "\\" + program));
        return (system.folder / name).string();
    }
    void Export(const std::string& key, const std::string& values) {
        system.ImportRegistry("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\" + key +
                              "]\r\n" + values);
    }
    // The log once its last line is the one expected: some programs are not waited for.
    Lines LogEndingWith(const std::string& line) {
        Lines lines;
        for (int tries = 0; tries < 500; ++tries, system.os().Sleep(10))
            if (lines = system.Logged(true); !lines.empty() && lines.back() == line)
                break;
        return lines;
    }

    fixtures::RealSystem system;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context context{system.os(),
                         dialogs,
                         events,
                         session,
                         {text::Utf8ToUtf16(system.folder.string()), u'/', u"", u""}};
};

TEST_F(AgentProcessesTest, OldAgentIsStoppedUninstalledAndTheInstallerStarted) {
    const std::string legacy = AgentFolder("tv9", "uninstall.exe");
    system.ImportRegistry(
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\TeamViewer]\r\n"
        "\"Version\"=\"9.0.1\"\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\TeamViewer\\TeamViewer9]\r\n"
        "\"InstallationDirectory\"=\"" +
        legacy + "\"\r\n");

    EnsureAgentInstalled(context);

    const std::string installer =
        "msiexec.exe [/i] [C:\\Velmorn3\\TeamViewer_Host.msi] [/qb] [CUSTOMCONFIGID=pq4rz8w] "
        "[SETTINGSFILE=C:\\Velmorn3\\TeamViewer_Settings.tvopt]";
    Lines expected = FiveStops;
    expected.insert(expected.begin() + 2, "tv9\\uninstall.exe [/S]");
    expected.push_back(installer);
    EXPECT_EQ(LogEndingWith(installer), expected);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(AgentProcessesTest, LaunchEndsTheRunningAgentAndStartsItAgainOrFailsSilently) {
    Export("TeamViewer", "");
    LaunchAgent(context);
    EXPECT_EQ(system.Logged(true), FiveStops) << "no folder: the five stops and nothing else";

    const std::string agent = AgentFolder("TeamViewer", "TeamViewer.exe");
    Export("TeamViewer", "\"InstallationDirectory\"=\"" + agent + "\"\r\n");
    const platform::ProcessId running = platform::StartProgram(
        system.os(), system.WindowOwner("TeamViewer"), platform::WindowStyle::Normal);
    platform::WindowHandle window = 0;
    for (int tries = 0; tries < 500 && !window; ++tries, system.os().Sleep(10))
        window = platform::FindWindowByTitle(system.os(), events, u"TeamViewer", true);
    ASSERT_NE(window, 0u);

    LaunchAgent(context);

    EXPECT_NE(kill(pid_t(running), 0), 0) << "the running agent was ended";
    Lines expected = FiveStops;
    expected.insert(expected.end(), FiveStops.begin(), FiveStops.end());
    expected.push_back("TeamViewer\\TeamViewer.exe");
    EXPECT_EQ(LogEndingWith("TeamViewer\\TeamViewer.exe"), expected);
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace agent
