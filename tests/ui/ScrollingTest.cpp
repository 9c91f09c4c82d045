#include "ui/Scrolling.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// The main window's table is 797 x 631 pixels at 96 dpi; Windows' scroll bars are 17 wide.
TEST(ScrollingTest, AWindowFitsTheWorkAreaAndScrollsWhatItCannotShow) {
    const PixelSize bars{17, 17};
    const struct {
        const char* what;
        PixelSize content, room;
        WindowFit fit;
    } rows[] = {
        {"fits", {797, 631}, {1024, 738}, {{797, 631}, false, false}},
        {"fits exactly", {640, 400}, {640, 400}, {{640, 400}, false, false}},
        {"too tall: wider by the bar", {400, 631}, {1024, 500}, {{417, 500}, false, true}},
        {"too wide: taller by the bar", {797, 300}, {640, 738}, {{640, 317}, true, false}},
        {"too large", {797, 631}, {640, 400}, {{640, 400}, true, true}},
        {"too wide once the bar is in", {630, 631}, {640, 500}, {{640, 500}, true, true}},
        {"too tall once the bar is in", {797, 390}, {640, 400}, {{640, 400}, true, true}},
        {"no room", {797, 631}, {-20, 0}, {{0, 0}, true, true}},
    };
    for (const auto& row : rows) {
        const WindowFit fit = FitWindow(row.content, row.room, bars);
        EXPECT_EQ(fit.client, row.fit.client) << row.what;
        EXPECT_EQ(fit.across, row.fit.across) << row.what;
        EXPECT_EQ(fit.down, row.fit.down) << row.what;
    }
}

// A window smaller than its table scrolls as little as it can to show a control whole.
TEST(ScrollingTest, AScrolledWindowShowsTheFocusedControl) {
    const ScrollAxis axis{.content = 631, .visible = 400, .offset = 0};
    EXPECT_EQ(MaxScroll(axis), 231);
    EXPECT_EQ(MaxScroll({.content = 300, .visible = 400}), 0);
    EXPECT_EQ(ClampScroll({.content = 631, .visible = 400, .offset = 500}), 231);
    EXPECT_EQ(ClampScroll({.content = 631, .visible = 400, .offset = -3}), 0);
    EXPECT_EQ(ScrollIntoView(axis, 100, 41), 0);   // already shows
    EXPECT_EQ(ScrollIntoView(axis, 380, 41), 21);  // its bottom edge to the view's
    EXPECT_EQ(ScrollIntoView(axis, 600, 31), 231); // the last one, to the end
    const ScrollAxis scrolled{.content = 631, .visible = 400, .offset = 200};
    EXPECT_EQ(ScrollIntoView(scrolled, 100, 41), 100); // its top edge to the view's
    EXPECT_EQ(ScrollIntoView(scrolled, 250, 41), 200);
    EXPECT_EQ(ScrollIntoView(axis, 50, 500), 50); // longer than the view: its start
    EXPECT_EQ(ScrollIntoView({.content = 300, .visible = 400, .offset = 20}, 250, 41), 0);
}

} // namespace
} // namespace ui
