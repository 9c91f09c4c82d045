#include "platform/FileHelpers.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeOs;
using namespace platform;

TEST(ShellOpen, OpensTheTargetInTheInstallationFolder) {
    FakeOs os;
    ShellOpen(os, u"https://www.example.com/manual/", u"C:\\Velmorn3");
    ASSERT_EQ(os.shellCalls.size(), 1u);
    EXPECT_EQ(os.shellCalls[0].verb, u"Open");
    EXPECT_EQ(os.shellCalls[0].target, u"https://www.example.com/manual/");
    EXPECT_EQ(os.shellCalls[0].parameters, u"");
    EXPECT_EQ(os.shellCalls[0].workingFolder, u"C:\\Velmorn3\\");
    EXPECT_EQ(os.shellCalls[0].style, WindowStyle::Normal);

    ShellOpen(os, u"/tmp/doc.pdf", u"/opt/velmorn3", u'/');
    EXPECT_EQ(os.shellCalls[1].workingFolder, u"/opt/velmorn3/");
}

TEST(ShowOnScreenKeyboard, FocusesTheControlThenStartsTheKeyboardEveryTime) {
    FakeOs os;
    os.wow64 = true;
    os.programFolder = u"C:\\Velmorn3";
    ShowOnScreenKeyboard(os, [&] { os.calls.push_back(u"focus"); });
    EXPECT_EQ(os.calls, (std::vector<std::u16string>{u"focus", u"Wow64EnableFsRedirection off",
                                                     u"ShellExecute osk.exe",
                                                     u"Wow64EnableFsRedirection on"}));
    ASSERT_EQ(os.shellCalls.size(), 1u);
    EXPECT_EQ(os.shellCalls[0].verb, u"open");
    EXPECT_EQ(os.shellCalls[0].parameters, u"");
    EXPECT_EQ(os.shellCalls[0].workingFolder, u"C:\\Velmorn3");
    EXPECT_EQ(os.shellCalls[0].style, WindowStyle::Normal);
    EXPECT_TRUE(os.fsRedirection);

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
