#include "agent/AgentLaunch.h"

#include "AgentTestContext.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace agent {
namespace {

using test_support::Hklm;

constexpr char16_t FolderKey[] = u"Software\\Wow6432Node\\TeamViewer";
constexpr char16_t AgentFolder[] = u"C:\\Program Files (x86)\\TeamViewer";

class AgentLaunchTest : public ::testing::Test, protected test_support::AgentTestContext {
protected:
    size_t IndexOfCall(std::u16string_view call) const {
        return size_t(std::find(os.calls.begin(), os.calls.end(), call) - os.calls.begin());
    }
};

TEST_F(AgentLaunchTest, RunningAgentIsStoppedBeforeItStartsAgain) {
    os.SetRegistryString(Hklm, FolderKey, u"InstallationDirectory", AgentFolder);
    const auto running = os.AddProcess({.pollsUntilExit = -1});
    os.AddWindow(u"TeamViewer", running);
    size_t callsAtLastPump = 0;
    events.onPump = [&] { callsAtLastPump = os.calls.size(); };

    LaunchAgent(context);

    const size_t serviceStop = IndexOfCall(u"CreateProcess Net Stop \"TeamViewer\"");
    const size_t windowStop = IndexOfCall(u"TerminateProcess " + text::FromInt(running));
    const size_t start =
        IndexOfCall(u"CreateProcess C:\\Program Files (x86)\\TeamViewer\\TeamViewer.exe");
    ASSERT_LT(start, os.calls.size());
    EXPECT_LT(serviceStop, windowStop);
    EXPECT_LT(windowStop, start);
    EXPECT_EQ(start, os.calls.size() - 1) << "the agent is the last program started";
    EXPECT_EQ(os.started.back().style, platform::WindowStyle::Normal);
    EXPECT_TRUE(os.IsRunning(os.started.back().id)) << "started, not waited for";
    EXPECT_EQ(callsAtLastPump, os.calls.size()) << "events run once the agent is started";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AgentLaunchTest, MissingFolderStartsNothingUsableAndStaysSilent) {
    os.ScriptProgram(u"\\TeamViewer.exe", {.failsToStart = true});
    LaunchAgent(context);
    ASSERT_FALSE(os.started.empty());
    EXPECT_EQ(os.started.back().commandLine, u"\\TeamViewer.exe");
    EXPECT_EQ(os.started.back().id, 0u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AgentLaunchTest, FailingStepIsShownAndTheAgentIsNotStarted) {
    os.SetRegistryString(Hklm, FolderKey, u"InstallationDirectory", AgentFolder);
    os.failingKey = FolderKey;

    LaunchAgent(context);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, u"Asistencia Remota");
    EXPECT_EQ(dialogs.messages[0].text, u"Ha ocurrido el siguiente error: Permiso denegado");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    ASSERT_FALSE(os.started.empty());
    EXPECT_EQ(os.started.back().commandLine, u"Net Stop \"tv_x64.exe\"")
        << "the stops ran, the agent was not started";
}

} // namespace
} // namespace agent
