#include "platform/Processes.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeEventPump;
using fixtures::FakeOs;
using fixtures::ProgramScript;
using namespace platform;

// The poll limit's ends: a program ending on the last poll gives its code; one outliving it
// is left running or stopped, as asked.
TEST(RunHiddenAndWait, WaitsAtMostTheLastPollThenLeavesOrStopsTheProgram) {
    const struct {
        ProgramScript script;
        AtPollLimit atLimit;
        std::optional<uint32_t> code;
        bool running;
    } cases[] = {{{999, 4}, AtPollLimit::Stop, 4u, false},
                 {{-1, 0}, AtPollLimit::LeaveRunning, std::nullopt, true},
                 {{-1, 0}, AtPollLimit::Stop, std::nullopt, false}};
    for (const auto& c : cases) {
        FakeOs os;
        FakeEventPump events;
        os.ScriptProgram(u"wget", c.script);
        EXPECT_EQ(RunHiddenAndWait(os, events, u"wget -O out.json http://host/x", c.atLimit),
                  c.code);
        // The wait ends within the 1000 polls of 100 ms, not before the last one, and
        // the windows answer all along: never 100 ms without their events.
        EXPECT_LE(os.elapsedMs, 100000u);
        EXPECT_GE(os.elapsedMs, 99900u);
        EXPECT_GE(events.count * 100u, os.elapsedMs) << "events run at every poll";
        EXPECT_EQ(os.started.at(0).style, WindowStyle::Hidden);
        EXPECT_EQ(os.IsRunning(os.started[0].id), c.running);
    }

    FakeOs os;
    FakeEventPump events;
    os.ScriptProgram(u"hung", ProgramScript{-1, 0});
    events.onPump = [&events] {
        if (events.count == 5)
            throw std::runtime_error("handler failed");
    };
    EXPECT_EQ(RunHiddenAndWait(os, events, u"hung"), std::nullopt);
    EXPECT_LE(os.elapsedMs, 500u) << "a failing event handler ends the wait";
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
    for (ProcessId id : {first, second, other, locked, stubborn})
        EXPECT_EQ(os.IsRunning(id), id != first && id != second) << id;
    EXPECT_FALSE(StopServiceAndProcesses(os, events, u"TeamViewer")) << "none it can stop";
}

} // namespace
