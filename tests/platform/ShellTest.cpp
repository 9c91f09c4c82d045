#include "platform/Shell.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeOs;
using fixtures::ShellCall;
using namespace platform;

TEST(ShellOpen, OpensTheTargetInTheInstallationFolder) {
    FakeOs os;
    ShellOpen(os, u"https://www.example.com/manual/", u"C:\\Velmorn3");
    ShellOpen(os, u"/tmp/doc.pdf", u"/opt/velmorn3", u'/');
    ASSERT_EQ(os.shellCalls.size(), 2u);
    const ShellCall& web = os.shellCalls[0];
    EXPECT_EQ(web.verb + u"|" + web.target + u"|" + web.parameters + u"|" + web.workingFolder,
              u"Open|https://www.example.com/manual/||C:\\Velmorn3\\");
    EXPECT_EQ(web.style, WindowStyle::Normal);
    EXPECT_EQ(os.shellCalls[1].workingFolder, u"/opt/velmorn3/");
}

// On 64-bit Windows osk.exe lies outside a 32-bit program's sight while redirected.
TEST(ShowOnScreenKeyboard, FocusesTheControlThenStartsTheKeyboardEveryTime) {
    FakeOs os;
    ShowOnScreenKeyboard(os, [&] { os.calls.push_back(u"focus"); });
    EXPECT_EQ(os.calls, (std::vector<std::u16string>{u"focus", u"Wow64EnableFsRedirection off",
                                                     u"ShellExecute osk.exe",
                                                     u"Wow64EnableFsRedirection on"}));
    const ShellCall& keyboard = os.shellCalls.at(0);
    EXPECT_EQ(keyboard.verb + u"|" + keyboard.parameters + u"|" + keyboard.workingFolder,
              u"open||" + os.programFolder);
    EXPECT_EQ(keyboard.style, WindowStyle::Normal);

    FakeOs bits32;
    bits32.wow64 = false;
    ShowOnScreenKeyboard(bits32);
    ShowOnScreenKeyboard(bits32);
    ASSERT_EQ(bits32.started.size(), 2u);
    EXPECT_EQ(bits32.started[1].commandLine, u"Osk.exe");
    EXPECT_EQ(bits32.started[1].style, WindowStyle::Normal);
    EXPECT_TRUE(bits32.shellCalls.empty());
}

} // namespace
