#include "platform/ProcessRunner.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeEventPump;
using fixtures::FakeOs;
using fixtures::ProgramScript;
using namespace platform;

TEST(RunHiddenAndWait, PollsEvery100MsAtLeastOnceAndAtMost1000Times) {
    FakeOs os;
    FakeEventPump events;
    RunHiddenAndWait(os, events, u"wget -O out.json http://host/x");
    EXPECT_EQ(os.exitCodeReads, 1);
    EXPECT_EQ(events.count, 1);
    EXPECT_EQ(os.elapsedMs, 100u);
    ASSERT_EQ(os.started.size(), 1u);
    EXPECT_EQ(os.started[0].commandLine, u"wget -O out.json http://host/x");
    EXPECT_EQ(os.started[0].style, WindowStyle::Hidden);

    FakeOs slow;
    FakeEventPump slowEvents;
    slow.ScriptProgram(u"slow", ProgramScript{3, 0});
    RunHiddenAndWait(slow, slowEvents, u"slow");
    EXPECT_EQ(slow.exitCodeReads, 4);
    EXPECT_EQ(slowEvents.count, 4);

    FakeOs hung;
    FakeEventPump hungEvents;
    hung.ScriptProgram(u"hung", ProgramScript{-1, 0});
    RunHiddenAndWait(hung, hungEvents, u"hung forever");
    EXPECT_EQ(hung.exitCodeReads, 1000);
    EXPECT_EQ(hungEvents.count, 1000);
    EXPECT_EQ(hung.elapsedMs, 100000u);
    EXPECT_TRUE(hung.IsRunning(hung.started[0].id));
}

TEST(RunHiddenAndWait, AProgramThatDoesNotStartCostsOnePoll) {
    FakeOs os;
    FakeEventPump events;
    os.ScriptProgram(u"missing", ProgramScript{0, 0, true});
    RunHiddenAndWait(os, events, u"missing.exe");
    EXPECT_EQ(os.exitCodeReads, 1);
    EXPECT_EQ(events.count, 1);
    EXPECT_EQ(os.elapsedMs, 100u);
}

TEST(RunHiddenAndWait, AFailingEventHandlerEndsTheWait) {
    FakeOs os;
    FakeEventPump events;
    os.ScriptProgram(u"hung", ProgramScript{-1, 0});
    events.onPump = [&events] {
        if (events.count == 5)
            throw std::runtime_error("handler failed");
    };
    RunHiddenAndWait(os, events, u"hung");
    EXPECT_EQ(os.exitCodeReads, 5);
}

TEST(StartProgram, GivesTheProcessIdOrZero) {
    FakeOs os;
    os.ScriptProgram(u"broken", ProgramScript{0, 0, true});
    ProcessId id = StartProgram(os, u"C:\\Program Files\\agent.exe --go", WindowStyle::Normal);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(os.started[0].commandLine, u"C:\\Program Files\\agent.exe --go");
    EXPECT_EQ(os.started[0].style, WindowStyle::Normal);
    EXPECT_EQ(StartProgram(os, u"broken.exe", WindowStyle::Normal), 0u);
    EXPECT_EQ(os.exitCodeReads, 0); // nothing is waited for
}

TEST(StopServiceAndProcesses, ABlankNameDoesNothing) {
    FakeOs os;
    FakeEventPump events;
    ProcessId owner = os.AddProcess(ProgramScript{-1, 0});
    os.AddWindow(u"anything", owner);
    EXPECT_FALSE(StopServiceAndProcesses(os, events, u""));
    EXPECT_FALSE(StopServiceAndProcesses(os, events, u"   "));
    EXPECT_TRUE(os.calls.empty());
    EXPECT_TRUE(os.IsRunning(owner));
}

TEST(StopServiceAndProcesses, StopsTheServiceAndEveryOwnerOfAMatchingWindow) {
    FakeOs os;
    FakeEventPump events;
    ProcessId first = os.AddProcess(ProgramScript{-1, 0});
    ProcessId second = os.AddProcess(ProgramScript{-1, 0});
    ProcessId other = os.AddProcess(ProgramScript{-1, 0});
    os.AddWindow(u"TeamViewer", first);
    os.AddWindow(u"Notepad", other);
    os.AddWindow(u"Panel de TEAMVIEWER 15", second);
    os.AddWindow(u"teamviewer (second window)", first);

    EXPECT_TRUE(StopServiceAndProcesses(os, events, u"TeamViewer"));

    ASSERT_FALSE(os.started.empty());
    EXPECT_EQ(os.started[0].commandLine, u"Net Stop \"TeamViewer\"");
    EXPECT_EQ(os.started[0].style, WindowStyle::Hidden);
    EXPECT_EQ(os.terminated, (std::vector<ProcessId>{first, second}));
    EXPECT_TRUE(os.IsRunning(other));
}

TEST(StopServiceAndProcesses, PassesOverProcessesItCannotStopAndEnds) {
    FakeOs os;
    FakeEventPump events;
    ProcessId locked = os.AddProcess(ProgramScript{-1, 0}, false);
    ProcessId ended = os.AddProcess(ProgramScript{0, 0});
    ProcessId stubborn = os.AddProcess(ProgramScript{-1, 0}, true, false);
    ProcessId stoppable = os.AddProcess(ProgramScript{-1, 0});
    os.AddWindow(u"TeamViewer locked", locked);
    os.AddWindow(u"TeamViewer ended", ended);
    os.AddWindow(u"TeamViewer stubborn", stubborn);
    os.AddWindow(u"TeamViewer stoppable", stoppable);

    EXPECT_TRUE(StopServiceAndProcesses(os, events, u"TeamViewer"));
    EXPECT_EQ(os.terminated, std::vector<ProcessId>{stoppable});
    EXPECT_TRUE(os.IsRunning(locked));
    EXPECT_TRUE(os.IsRunning(stubborn));

    FakeOs none;
    ProcessId alone = none.AddProcess(ProgramScript{-1, 0}, true, false);
    none.AddWindow(u"TeamViewer", alone);
    EXPECT_FALSE(StopServiceAndProcesses(none, events, u"TeamViewer"));
}

TEST(FindWindowByTitle, MatchesExactlyOrByContainedTextIgnoringCase) {
    FakeOs os;
    FakeEventPump events;
    WindowHandle form1 = os.AddWindow(u"Form1", 1);
    WindowHandle form = os.AddWindow(u"FORM", 2);
    os.AddWindow(u"", 3);

    EXPECT_EQ(FindWindowByTitle(os, events, u"form", true), form);
    EXPECT_EQ(FindWindowByTitle(os, events, u"form", false), form1);
    EXPECT_EQ(FindWindowByTitle(os, events, u"orm1", false), form1);
    EXPECT_EQ(FindWindowByTitle(os, events, u"", false), form1);
    EXPECT_EQ(FindWindowByTitle(os, events, u"missing", false), 0u);
    EXPECT_EQ(events.count, 2 + 1 + 1 + 1 + 3); // every window visited lets events run

    EXPECT_EQ(GetWindowTitle(os, form1), u"Form1");
    EXPECT_EQ(GetWindowTitle(os, 0x999), u"");

    FakeOs empty;
    EXPECT_EQ(FindWindowByTitle(empty, events, u"", false), 0u);
}

TEST(IsWow64, AnswersWhetherWindowsIs64Bit) {
    FakeOs os;
    os.wow64 = true;
    EXPECT_TRUE(IsWow64(os));
    os.wow64 = false;
    EXPECT_FALSE(IsWow64(os));
}

} // namespace
