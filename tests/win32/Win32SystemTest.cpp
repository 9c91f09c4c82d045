#include "platform/win32/Win32Os.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using platform::DateFormat;
using platform::win32::Win32Os;

TEST(Win32System, ConvertsBetweenTextAndTheCodePages) {
    Win32Os os;
    EXPECT_EQ(os.WideCharToMultiByte(platform::CodePageAnsi, u"Almacén ñ"), "Almac\xE9n \xF1");
    EXPECT_EQ(os.MultiByteToWideChar(platform::CodePageAnsi, "Almac\xE9n \xF1"), u"Almacén ñ");
    EXPECT_EQ(os.MultiByteToWideChar(platform::CodePageAnsi, "\xC3\xA9"), u"Ã©");
    EXPECT_EQ(os.WideCharToMultiByte(platform::CodePageUtf8, u"Almacén €"),
              "Almac\xC3\xA9n \xE2\x82\xAC");
    EXPECT_EQ(os.MultiByteToWideChar(platform::CodePageUtf8, "Almac\xC3\xA9n"), u"Almacén");
    EXPECT_EQ(os.WideCharToMultiByte(platform::CodePageUtf8, u""), "");
}

TEST(Win32System, KnowsItsOwnFolderAndThatWindowsIs64Bit) {
    Win32Os os;
    EXPECT_TRUE(os.FileExists(os.ProgramFolder() + u"\\ArgvRecorder.exe"));
    EXPECT_TRUE(os.IsWow64Process());
    os.Wow64EnableFsRedirection(false);
    os.Wow64EnableFsRedirection(true);
}

TEST(Win32System, TheShellOpensAProgramWithItsParameters) {
    Win32Os os;
    os.DeleteFile(u"C:\\shell-record.txt");
    os.ShellExecute(u"open", os.ProgramFolder() + u"\\ArgvRecorder.exe",
                    u"C:\\shell-record.txt uno dos", u"C:\\", platform::WindowStyle::Normal);
    std::string recorded;
    for (int attempt = 0; attempt < 200 && recorded.empty(); ++attempt, os.Sleep(50)) {
        std::ostringstream bytes;
        bytes << std::ifstream("C:\\shell-record.txt", std::ios::binary).rdbuf();
        recorded = bytes.str();
    }
    EXPECT_TRUE(recorded.ends_with(" C:\\shell-record.txt uno dos")) << recorded;
}

TEST(Win32System, DatesGoThroughTheUsersFormatsAndBack) {
    Win32Os os;
    const double now = os.Now();
    EXPECT_GT(now, 45658.0); // after 1 January 2025

    const double moment = 46000.0 + (13 * 3600 + 5 * 60 + 9) / 86400.0; // 8/12/2025 13:05:09
    EXPECT_EQ(os.ParseDateTime(os.FormatDate(moment, DateFormat::GeneralDate)), moment);
    EXPECT_EQ(os.ParseDateTime(os.FormatDate(moment, DateFormat::ShortDate)), 46000.0);
    EXPECT_EQ(os.ParseDateTime(os.FormatDate(46000.0, DateFormat::GeneralDate)), 46000.0);
    EXPECT_EQ(os.FormatDate(46000.0, DateFormat::GeneralDate),
              os.FormatDate(46000.0, DateFormat::ShortDate));
    EXPECT_EQ(os.FormatDate(moment, DateFormat::GeneralDate),
              os.FormatDate(moment, DateFormat::ShortDate) + u" " +
                  os.FormatDate(moment, DateFormat::LongTime));
    EXPECT_NE(os.FormatDate(moment, DateFormat::LongTime).find(u"05"), std::u16string::npos);
    EXPECT_NE(os.FormatDate(moment, DateFormat::ShortDate).find(u"2025"), std::u16string::npos);
    EXPECT_EQ(os.ParseDateTime(u"no es una fecha"), std::nullopt);
}

} // namespace
