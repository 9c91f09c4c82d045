#include "platform/Processes.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeEventPump;
using fixtures::FakeOs;
using fixtures::ProgramScript;
using namespace platform;

TEST(RunHiddenAndWait, PollsEvery100MsAtLeastOnceAndAtMost1000Times) {
    const struct {
        ProgramScript script;
        int32_t polls;
    } cases[] = {{{0, 0}, 1}, {{3, 0}, 4}, {{-1, 0}, 1000}, {{0, 0, true}, 1}};
    for (const auto& c : cases) {
        FakeOs os;
        FakeEventPump events;
        os.ScriptProgram(u"wget", c.script);
        RunHiddenAndWait(os, events, u"wget -O out.json http://host/x");
        EXPECT_EQ(os.exitCodeReads, c.polls);
        EXPECT_EQ(events.count, c.polls) << "events run at every poll";
        EXPECT_EQ(os.elapsedMs, 100u * uint64_t(c.polls));
        ASSERT_EQ(os.started.size(), 1u);
        EXPECT_EQ(os.started[0].commandLine, u"wget -O out.json http://host/x");
        EXPECT_EQ(os.started[0].style, WindowStyle::Hidden);
        EXPECT_EQ(os.IsRunning(os.started[0].id), c.polls == 1000) << "left running at the limit";
    }

    FakeOs os;
    FakeEventPump events;
    os.ScriptProgram(u"hung", ProgramScript{-1, 0});
    events.onPump = [&events] {
        if (events.count == 5)
            throw std::runtime_error("handler failed");
    };
    RunHiddenAndWait(os, events, u"hung");
    EXPECT_EQ(os.exitCodeReads, 5) << "a failing event handler ends the wait";
}

TEST(StartProgram, GivesTheProcessIdOrZeroAndWaitsForNothing) {
    FakeOs os;
    os.ScriptProgram(u"broken", ProgramScript{0, 0, true});
    EXPECT_NE(StartProgram(os, u"C:\\Program Files\\agent.exe --go", WindowStyle::Normal), 0u);
    EXPECT_EQ(os.started[0].style, WindowStyle::Normal);
    EXPECT_EQ(StartProgram(os, u"broken.exe", WindowStyle::Normal), 0u);
    EXPECT_EQ(os.exitCodeReads, 0);
}

TEST(StopServiceAndProcesses, StopsTheServiceAndEveryOwnerOfAMatchingWindowItCan) {
    FakeOs os;
    FakeEventPump events;
    const ProcessId first = os.AddProcess({-1}), second = os.AddProcess({-1}),
                    other = os.AddProcess({-1}), locked = os.AddProcess({-1}, false),
                    ended = os.AddProcess({0}), stubborn = os.AddProcess({-1}, true, false);
    os.AddWindow(u"TeamViewer", first);
    os.AddWindow(u"Notepad", other);
    os.AddWindow(u"TeamViewer locked", locked);
    os.AddWindow(u"Panel de TEAMVIEWER 15", second);
    os.AddWindow(u"TeamViewer ended", ended);
    os.AddWindow(u"TeamViewer stubborn", stubborn);
    os.AddWindow(u"teamviewer (second window)", first);

    EXPECT_FALSE(StopServiceAndProcesses(os, events, u"   ")) << "a blank name does nothing";
    EXPECT_TRUE(os.calls.empty());
    EXPECT_TRUE(StopServiceAndProcesses(os, events, u"TeamViewer"));
    EXPECT_EQ(os.started[0].commandLine, u"Net Stop \"TeamViewer\"");
    EXPECT_EQ(os.started[0].style, WindowStyle::Hidden);
    EXPECT_EQ(os.terminated, (std::vector<ProcessId>{first, second}));
    for (ProcessId left : {other, locked, stubborn})
        EXPECT_TRUE(os.IsRunning(left));
    EXPECT_FALSE(StopServiceAndProcesses(os, events, u"TeamViewer")) << "none it can stop";
}

} // namespace
