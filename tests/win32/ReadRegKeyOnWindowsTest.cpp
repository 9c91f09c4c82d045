#include "ChildProcess.h"
#include "agent/ClsRegistro.h"
#include "platform/win32/Win32Os.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::Win32Os;

void RegAdd(std::u16string_view key, std::u16string_view name, std::u16string_view type,
            std::u16string_view data) {
    ASSERT_EQ(win32test::RunToEnd(u"reg.exe add \"" + std::u16string(key) + u"\" /v " +
                                  std::u16string(name) + u" /t " + std::u16string(type) + u" /d " +
                                  std::u16string(data) + u" /f"),
              0u);
}

TEST(ReadRegKeyOnWindows, ReadsTheAgentValuesAsText) {
    const std::u16string agent = u"HKLM\\SOFTWARE\\Wow6432Node\\TeamViewer";
    RegAdd(agent, u"ClientID", u"REG_DWORD", u"123456789");
    RegAdd(agent, u"AllBits", u"REG_DWORD", u"0xffffffff");
    RegAdd(agent, u"Empty", u"REG_SZ", u"\"\"");
    RegAdd(agent, u"InstallationDirectory", u"REG_SZ", u"\"C:\\Program Files (x86)\\TeamViewer\"");
    RegAdd(agent, u"Expandable", u"REG_EXPAND_SZ", u"%ProgramFiles%\\TeamViewer");
    Win32Os os;
    agent::ClsRegistro registro(os);
    const std::u16string key = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer\\";

    EXPECT_EQ(registro.ReadRegKey(key, u"ClientID"), u"123456789");
    EXPECT_EQ(registro.ReadRegKey(agent, u"ClientID"), u"123456789");
    EXPECT_EQ(registro.ReadRegKey(key, u"AllBits"), u"-1");
    EXPECT_EQ(registro.ReadRegKey(key, u"Empty"), u"");
    EXPECT_EQ(registro.ReadRegKey(key, u"InstallationDirectory"),
              u"C:\\Program Files (x86)\\TeamViewer");
    EXPECT_EQ(registro.ReadRegKey(key, u"Expandable"), u"%ProgramFiles%\\TeamViewer");
    EXPECT_EQ(registro.ReadRegKey(key, u"NoSuchValue"), u"");
    EXPECT_EQ(registro.ReadRegKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\NoSuchAgent", u"ClientID"), u"");
}

} // namespace
