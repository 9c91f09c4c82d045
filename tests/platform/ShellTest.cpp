#include "platform/Shell.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeOs;
using namespace platform;

TEST(ShellOpen, OpensTheTargetInTheInstallationFolder) {
    FakeOs os;
    ShellOpen(os, u"https://www.example.com/manual/", u"C:\\Velmorn3");
    const fixtures::ShellCall& web = os.shellCalls.at(0);
    EXPECT_EQ(web.verb + u"|" + web.target + u"|" + web.parameters + u"|" + web.workingFolder,
              u"Open|https://www.example.com/manual/||C:\\Velmorn3\\");
    EXPECT_EQ(web.style, WindowStyle::Normal);
    ShellOpen(os, u"/tmp/doc.pdf", u"/opt/velmorn3", u'/');
    EXPECT_EQ(os.shellCalls.at(1).workingFolder, u"/opt/velmorn3/");
}

// A 32-bit program on 64-bit Windows finds osk.exe only with redirection off; the focus
// comes first so the keyboard types into the control, and the view is restored after.
TEST(ShowOnScreenKeyboard, StartsTheKeyboardWhereItCanBeFoundAfterTheFocus) {
    FakeOs os;
    bool focusedBeforeTheKeyboard = false;
    ShowOnScreenKeyboard(os, [&] { focusedBeforeTheKeyboard = os.shellCalls.empty(); });
    ASSERT_EQ(os.shellCalls.size(), 1u);
    EXPECT_EQ(os.shellCalls[0].target, u"osk.exe");
    EXPECT_FALSE(os.shellCalls[0].redirected);
    EXPECT_TRUE(os.fsRedirection);
    EXPECT_TRUE(focusedBeforeTheKeyboard);

    FakeOs bits32;
    bits32.wow64 = false;
    ShowOnScreenKeyboard(bits32);
    EXPECT_EQ(bits32.started.at(0).commandLine, u"Osk.exe");
}

} // namespace
