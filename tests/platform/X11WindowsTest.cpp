#include "FakeOs.h"
#include "TempFolder.h"
#include "platform/ProcessRunner.h"
#include "platform/SystemOs.h"
#include "text/Text.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

using fixtures::FakeEventPump;
using fixtures::ReadLines;
using fixtures::TempFolder;
using namespace platform;

// The window appears once the program has run its first steps.
WindowHandle AwaitWindow(Os& os, EventPump& events, std::u16string_view title) {
    for (int tries = 0; tries < 500; ++tries) {
        if (WindowHandle window = FindWindowByTitle(os, events, title, false))
            return window;
        os.Sleep(10);
    }
    return 0;
}

TEST(X11Windows, AProgramOwningAMatchingWindowIsFoundAndStopped) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run through with-xvfb.sh";
    TempFolder folder;
    std::string log = folder / "calls.log";
    setenv("ASR_RECORD_LOG", log.c_str(), 1);
    auto os = CreateSystemOs(folder / "registry.reg", false);
    FakeEventPump events;

    ProcessId owner = StartProgram(
        *os, text::FromAscii(ASR_WINDOW_OWNER_PATH " \"TeamViewer test\""), WindowStyle::Normal);
    ASSERT_NE(owner, 0u);
    WindowHandle window = AwaitWindow(*os, events, u"teamviewer");
    ASSERT_NE(window, 0u);
    EXPECT_EQ(GetWindowTitle(*os, window), u"TeamViewer test");
    EXPECT_EQ(os->GetWindowTextLength(window), 15);
    EXPECT_EQ(os->GetWindowText(window, 11), u"TeamViewer");
    EXPECT_EQ(os->GetWindowProcessId(window), owner);
    EXPECT_EQ(FindWindowByTitle(*os, events, u"teamviewer test", true), window);
    EXPECT_EQ(FindWindowByTitle(*os, events, u"teamviewer", true), 0u);

    EXPECT_TRUE(StopServiceAndProcesses(*os, events, u"TeamViewer"));
    EXPECT_EQ(ReadLines(log), std::vector<std::string>{"Net [Stop] [TeamViewer]"});
    EXPECT_NE(kill(pid_t(owner), 0), 0); // ended and reaped
    WindowHandle left = window;
    for (int tries = 0; tries < 500 && left != 0; ++tries, os->Sleep(10))
        left = FindWindowByTitle(*os, events, u"teamviewer", false);
    EXPECT_EQ(left, 0u);
    unsetenv("ASR_RECORD_LOG");
}

TEST(X11Windows, WithoutADisplayThereAreNoWindows) {
    std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    auto os = CreateSystemOs("registry.reg", false);
    FakeEventPump events;
    EXPECT_EQ(os->GetFirstWindow(), 0u);
    EXPECT_EQ(FindWindowByTitle(*os, events, u"", false), 0u);
    if (!display.empty())
        setenv("DISPLAY", display.c_str(), 1);
}

} // namespace
