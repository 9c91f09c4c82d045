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

// A 32-bit program on 64-bit Windows sees osk.exe only with redirection off, a state only
// the fake OS shows; the focus comes first so the keyboard types into the control.
TEST(ShowOnScreenKeyboard, FocusesThenStartsTheKeyboardWithRedirectionOff) {
    FakeOs os;
    ShowOnScreenKeyboard(os, [&] { os.calls.push_back(u"focus"); });
    EXPECT_EQ(os.calls, (std::vector<std::u16string>{u"focus", u"Wow64EnableFsRedirection off",
                                                     u"ShellExecute osk.exe",
                                                     u"Wow64EnableFsRedirection on"}));

    FakeOs bits32;
    bits32.wow64 = false;
    ShowOnScreenKeyboard(bits32);
    EXPECT_EQ(bits32.started.at(0).commandLine, u"Osk.exe");
}

} // namespace
