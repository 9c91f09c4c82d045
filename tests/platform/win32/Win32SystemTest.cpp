// What only the Win32 backend answers: Windows' own formats, access rights and file locks.
#include "RealSystem.h"
#include "platform/Processes.h"
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(Win32System, DatesGoThroughTheUsersFormatsAndBack) {
    fixtures::RealSystem system;
    Os& os = system.os();
    EXPECT_GT(os.Now(), 45658.0);                                       // after 1 January 2025
    const double moment = 46000.0 + (13 * 3600 + 5 * 60 + 9) / 86400.0; // 8/12/2025 13:05:09
    const std::u16string date = os.FormatDate(moment, DateFormat::ShortDate);
    const std::u16string time = os.FormatDate(moment, DateFormat::LongTime);
    EXPECT_EQ(os.FormatDate(moment, DateFormat::GeneralDate), date + u" " + time);
    EXPECT_EQ(os.FormatDate(46000.0, DateFormat::GeneralDate), date) << "midnight shows no time";
    EXPECT_NE(time.find(u"05"), std::u16string::npos);
    EXPECT_NE(date.find(u"2025"), std::u16string::npos);
    EXPECT_EQ(os.ParseDateTime(date + u" " + time), moment);
    EXPECT_EQ(os.ParseDateTime(date), 46000.0);
    EXPECT_EQ(os.ParseDateTime(u"no es una fecha"), std::nullopt);
}

TEST(Win32System, ShellRightsAndLocksAreWindowsOwn) {
    fixtures::RealSystem system;
    Os& os = system.os();
    EXPECT_TRUE(os.IsWow64Process());
    os.ShellExecute(u"open", system.RecorderProgram(), u"uno dos", u"C:\\", WindowStyle::Normal);
    for (int tries = 0; tries < 200 && system.Logged().empty(); ++tries)
        os.Sleep(50);
    EXPECT_EQ(system.Logged(), std::vector<std::string>{"[uno] [dos]"});

    const ProcessId id = StartProgram(os, system.Recorder(0, 60000), WindowStyle::Hidden);
    const ProcessHandle waiting = os.OpenProcess(ProcessQueryInformation, id);
    EXPECT_FALSE(os.TerminateProcess(waiting, 5)) << "0x400 gives no right to terminate";
    const ProcessHandle all = os.OpenProcess(ProcessAllAccess, id);
    EXPECT_TRUE(os.TerminateProcess(all, 5));
    os.CloseHandle(all);
    os.CloseHandle(waiting);

    system.Write("locked.txt", "x");
    HANDLE locked =
        CreateFileW(reinterpret_cast<const wchar_t*>(system.Path("locked.txt").c_str()),
                    GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(os.ReadFileBytes(system.Path("locked.txt")), std::nullopt);
    CloseHandle(locked);
}

} // namespace
