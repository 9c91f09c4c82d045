#include "ChildProcess.h"
#include "platform/FileHelpers.h"
#include "platform/ProcessRunner.h"
#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using platform::win32::Win32Os;
using win32test::ChildProcess;
using win32test::HelperPath;

// The real backend, with every exit code the wait reads kept in order.
class ExitCodeRecordingOs : public Win32Os {
public:
    bool GetExitCodeProcess(platform::ProcessHandle process, uint32_t& exitCode) override {
        const bool read = Win32Os::GetExitCodeProcess(process, exitCode);
        exitCodes.push_back(read ? int64_t(exitCode) : -1);
        return read;
    }
    std::vector<int64_t> exitCodes; // -1: the call failed
};

class CountingPump : public platform::EventPump {
public:
    void ProcessPendingEvents() override { ++polls; }
    int polls = 0;
};

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(RunHiddenAndWaitOnWindows, PollsUntilTheProgramHasEnded) {
    ExitCodeRecordingOs os;
    CountingPump pump;
    platform::RunHiddenAndWait(os, pump, HelperPath(u"Sleeper.exe") + u" 300 7");
    ASSERT_GE(os.exitCodes.size(), 2u) << "the program still ran at the first poll";
    EXPECT_EQ(os.exitCodes.back(), 7) << "the wait ended on the program's exit code";
    for (size_t i = 0; i + 1 < os.exitCodes.size(); ++i)
        EXPECT_EQ(os.exitCodes[i], platform::StillActive) << "poll " << i;
    EXPECT_EQ(pump.polls, int(os.exitCodes.size()));
    std::cout << "a 300 ms program took " << pump.polls << " polls\n";
}

TEST(RunHiddenAndWaitOnWindows, ReturnsAfterOnePollWhenNothingRuns) {
    ExitCodeRecordingOs os;
    CountingPump pump;
    platform::RunHiddenAndWait(os, pump, u"C:\\NoExiste\\Programa.exe");
    EXPECT_EQ(pump.polls, 1);

    CountingPump quick;
    os.exitCodes.clear();
    platform::RunHiddenAndWait(os, quick, HelperPath(u"Sleeper.exe") + u" 0 3");
    EXPECT_EQ(quick.polls, int(os.exitCodes.size()));
    EXPECT_TRUE(os.exitCodes.back() == 3 || os.exitCodes.back() == -1)
        << "ended at the first poll that saw the program gone";
}

TEST(RunHiddenAndWaitOnWindows, TheProgramReceivesTheCommandLineBytesExactly) {
    Win32Os os;
    CountingPump pump;
    const std::u16string record = u"C:\\argv-record.txt";
    const std::u16string arguments = u" " + record + u" --url=http://h/?q={'Almacén':'ñ €'}";
    const std::u16string program = HelperPath(u"ArgvRecorder.exe");

    platform::RunHiddenAndWait(os, pump, program + platform::Utf8ByteText(os, arguments));

    EXPECT_EQ(ReadBytes("C:\\argv-record.txt"),
              platform::win32::ToAnsi(program) +
                  " C:\\argv-record.txt --url=http://h/?q={'Almac\xC3\xA9n':'\xC3\xB1 "
                  "\xE2\x82\xAC'}");
}

TEST(StopServiceAndProcessesOnWindows, TerminatesTheOwnerOfAMatchingWindow) {
    Win32Os os;
    CountingPump pump;
    ChildProcess owner(HelperPath(u"WindowOwner.exe"));
    ASSERT_TRUE(owner.Started());
    platform::WindowHandle window = 0;
    for (int attempt = 0; attempt < 200 && !window; ++attempt, os.Sleep(50))
        window = platform::FindWindowByTitle(os, pump, u"teamviewer TEST", true);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(platform::FindWindowByTitle(os, pump, u"viewer te", false), window);
    EXPECT_EQ(os.GetWindowProcessId(window), owner.Id());

    EXPECT_TRUE(platform::StopServiceAndProcesses(os, pump, u"TeamViewer"));
    EXPECT_TRUE(owner.WaitForExit(10000));
    EXPECT_EQ(platform::FindWindowByTitle(os, pump, u"TeamViewer", false), 0u);
    EXPECT_FALSE(platform::StopServiceAndProcesses(os, pump, u"TeamViewer"));
}

} // namespace
