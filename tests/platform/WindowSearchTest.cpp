#include "platform/WindowSearch.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeEventPump;
using fixtures::FakeOs;
using namespace platform;

TEST(FindWindowByTitle, MatchesExactlyOrByContainedTextIgnoringCase) {
    FakeOs os;
    FakeEventPump events;
    EXPECT_EQ(FindWindowByTitle(os, events, u"", false), 0u) << "no window at all";
    const WindowHandle form1 = os.AddWindow(u"Form1", 1);
    const WindowHandle form = os.AddWindow(u"FORM", 2);
    os.AddWindow(u"", 3);
    EXPECT_EQ(FindWindowByTitle(os, events, u"form", true), form);
    EXPECT_EQ(FindWindowByTitle(os, events, u"form", false), form1);
    EXPECT_EQ(FindWindowByTitle(os, events, u"orm1", false), form1);
    EXPECT_EQ(FindWindowByTitle(os, events, u"", false), form1);
    EXPECT_EQ(FindWindowByTitle(os, events, u"missing", false), 0u);
    EXPECT_EQ(events.count, 2 + 1 + 1 + 1 + 3) << "every window visited lets events run";
    EXPECT_EQ(GetWindowTitle(os, 0x999), u"");
}

} // namespace
