#include "ui/Keyboard.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// Which keys, pressed on the focused control, click it (Windows key codes: Enter 13,
// Space 32, Esc 27, A 65).
TEST(KeyboardTest, EnterAndSpacePressButtonsAndFollowLinksOnly) {
    const ControlEntry button{.kind = ControlKind::PushButton},
        link{.kind = ControlKind::Label, .link = true}, label{.kind = ControlKind::Label},
        box{.kind = ControlKind::CheckBox}, text{.kind = ControlKind::TextBox},
        markup{.kind = ControlKind::MarkupLabel};
    const struct {
        const char* what;
        const ControlEntry& control;
        bool enter, space, escape, letter;
    } rows[] = {
        {"push button", button, true, true, false, false},
        {"link", link, true, true, false, false},
        {"plain label", label, false, false, false, false},
        {"tick box", box, false, false, false, false},
        {"text box", text, false, false, false, false},
        {"markup label", markup, false, false, false, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(KeyClicks(row.control, 13), row.enter) << row.what;
        EXPECT_EQ(KeyClicks(row.control, 32), row.space) << row.what;
        EXPECT_EQ(KeyClicks(row.control, 27), row.escape) << row.what;
        EXPECT_EQ(KeyClicks(row.control, 65), row.letter) << row.what;
    }
}

} // namespace
} // namespace ui
