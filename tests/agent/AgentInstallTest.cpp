#include "agent/AgentInstall.h"

#include "AgentTestContext.h"
#include "text/Encoding.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace agent {
namespace {

using test_support::Hklm;

constexpr char16_t AgentKey[] = u"SOFTWARE\\Wow6432Node\\TeamViewer";
constexpr char16_t LegacyKey[] = u"Software\\Wow6432Node\\TeamViewer\\TeamViewer9";
constexpr char16_t Installer[] =
    u"msiexec.exe /i  C:\\Velmorn3\\TeamViewer_Host.msi /qb CUSTOMCONFIGID=pq4rz8w "
    u"SETTINGSFILE=C:\\Velmorn3\\TeamViewer_Settings.tvopt";

// The stops in their order, the legacy uninstaller when there is one, then the installer.
std::vector<std::u16string> Commands(std::u16string uninstaller = {}) {
    std::vector<std::u16string> commands{u"Net Stop \"TeamViewer 9\"", u"Net Stop \"TeamViewer9\"",
                                         u"Net Stop \"TeamViewer\"",   u"Net Stop \"tv_w32.exe\"",
                                         u"Net Stop \"tv_x64.exe\"",   Installer};
    if (!uninstaller.empty())
        commands.insert(commands.begin() + 2, uninstaller);
    return commands;
}

class AgentInstallTest : public ::testing::Test, protected test_support::AgentTestContext {
protected:
    void RecordVersion(std::u16string version) {
        os.SetRegistryString(Hklm, AgentKey, u"Version", std::move(version));
    }
};

TEST_F(AgentInstallTest, AgentIsCurrentFromVersionTen) {
    EXPECT_FALSE(IsAgentCurrent(context)) << "no version recorded";
    for (const auto& [version, current] : {std::pair{u"15.48.4", true},
                                           {u"10", true},
                                           {u"9.0.1", false},
                                           {u" 1 ", false},
                                           {u"99.1", true}}) {
        RecordVersion(version);
        EXPECT_EQ(IsAgentCurrent(context), current);
    }
}

TEST_F(AgentInstallTest, CurrentAgentRunsNothingAtAll) {
    RecordVersion(u"15.48.4");
    EnsureAgentInstalled(context);
    EXPECT_TRUE(os.calls.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(events.count, 0);
}

TEST_F(AgentInstallTest, OldAgentIsReportedStoppedUninstalledAndReplaced) {
    RecordVersion(u"9.0.1");
    os.SetRegistryString(Hklm, LegacyKey, u"InstallationDirectory", u" C:\\TV9 ");
    os.ScriptProgram(u"msiexec.exe", {.pollsUntilExit = -1});
    size_t callsWhenTold = 99;
    dialogs.onMessage = [&] { callsWhenTold = os.calls.size(); };

    EnsureAgentInstalled(context);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(callsWhenTold, 0u) << "the user is told before anything runs";
    EXPECT_EQ(dialogs.messages[0].title, u"Teamviewer no instalado");
    EXPECT_EQ(dialogs.messages[0].text,
              u"Este equipo no tienen instalado el programa de acceso remoto, se procede a "
              u"instalar.");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(StartedCommands(), Commands(u"C:\\TV9\\uninstall.exe /S"));
    for (size_t i = 0; i + 1 < os.started.size(); ++i) {
        EXPECT_EQ(os.started[i].style, platform::WindowStyle::Hidden);
        EXPECT_NE(std::count(os.waitedFor.begin(), os.waitedFor.end(), os.started[i].id), 0)
            << "waited for: " << text::Utf16ToUtf8(os.started[i].commandLine);
    }
    const auto& installer = os.started.back();
    EXPECT_EQ(installer.style, platform::WindowStyle::Normal);
    EXPECT_EQ(std::count(os.waitedFor.begin(), os.waitedFor.end(), installer.id), 0)
        << "the installer is not waited for";
    EXPECT_TRUE(os.IsRunning(installer.id));
}

TEST_F(AgentInstallTest, MissingAgentWithoutLegacyFolderSkipsTheUninstaller) {
    EnsureAgentInstalled(context);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(StartedCommands(), Commands());
}

TEST_F(AgentInstallTest, FailedVersionReadCountsAsAnOldAgent) {
    RecordVersion(u"15.48.4");
    os.failingKey = AgentKey;
    EnsureAgentInstalled(context);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ASSERT_FALSE(os.started.empty());
    EXPECT_EQ(os.started.back().commandLine, Installer);
}

TEST_F(AgentInstallTest, StopEndsEveryAgentWindowsProcess) {
    const auto legacy = os.AddProcess({.pollsUntilExit = -1});
    const auto current = os.AddProcess({.pollsUntilExit = -1});
    const auto helper = os.AddProcess({.pollsUntilExit = -1});
    const auto other = os.AddProcess({.pollsUntilExit = -1});
    os.AddWindow(u"Notas", other);
    os.AddWindow(u"TEAMVIEWER 9 Panel", legacy);
    os.AddWindow(u"TeamViewer", current);
    os.AddWindow(u"Tv_X64.exe", helper);

    StopAgentAndRemoveLegacy(context);

    EXPECT_EQ(os.terminated, (std::vector<platform::ProcessId>{legacy, current, helper}));
    EXPECT_TRUE(os.IsRunning(other));
}

} // namespace
} // namespace agent
