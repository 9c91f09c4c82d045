#include "platform/Processes.h"

#include "platform/WindowSearch.h"
#include "text/Text.h"

#include <optional>
#include <set>

namespace platform {

namespace {

// Terminates the window's owner when it can be opened and still runs.
bool TerminateOwner(Os& os, WindowHandle window) {
    ProcessHandle process = os.OpenProcess(ProcessAllAccess, os.GetWindowProcessId(window));
    if (process == 0)
        return false;
    uint32_t exitCode = 0;
    os.GetExitCodeProcess(process, exitCode);
    bool terminated = exitCode != 0 && os.TerminateProcess(process, exitCode);
    os.CloseHandle(process);
    return terminated;
}

// The program's exit code: StillActive when it outlived the polls, nothing when a read failed.
std::optional<uint32_t> WaitForExit(Os& os, EventPump& events, ProcessHandle process) {
    uint32_t lastExitCode = 0;
    bool read = false;
    int32_t polls = 0;
    do {
        read = os.GetExitCodeProcess(process, lastExitCode);
        events.ProcessPendingEvents();
        os.Sleep(PollIntervalMs);
        ++polls;
    } while (lastExitCode == StillActive && polls < PollLimit);
    return read ? std::optional(lastExitCode) : std::nullopt;
}

} // namespace

ProcessId StartProgram(Os& os, std::u16string_view commandLine, WindowStyle style) {
    try {
        const StartedProcess started = os.CreateProcess(commandLine, style);
        if (started.handle != 0)
            os.CloseHandle(started.handle);
        return started.id;
    } catch (...) {
        return 0;
    }
}

std::optional<uint32_t> RunHiddenAndWait(Os& os, EventPump& events, std::u16string_view commandLine,
                                         AtPollLimit atLimit) {
    StartedProcess started;
    try {
        started = os.CreateProcess(commandLine, WindowStyle::Hidden);
    } catch (...) {
        // Not started: the one poll still follows.
    }
    std::optional<uint32_t> exitCode;
    try {
        exitCode = WaitForExit(os, events, started.handle);
        if (exitCode == StillActive && atLimit == AtPollLimit::Stop)
            os.TerminateProcess(started.handle, 1);
    } catch (...) {
        // A failure inside a poll ends the wait; the program is left as it is.
        exitCode.reset();
    }
    if (started.handle != 0)
        os.CloseHandle(started.handle);
    if (started.id == 0 || exitCode == StillActive)
        return std::nullopt;
    return exitCode;
}

bool StopServiceAndProcesses(Os& os, EventPump& events, std::u16string_view name) {
    if (text::Trim(name).empty())
        return false;
    try {
        RunHiddenAndWait(os, events, u"Net Stop \"" + std::u16string(name) + u"\"");
        bool result = false;
        // A window is dealt with once: one whose owner cannot be opened, reports 0 or
        // resists termination would otherwise be found again on every pass.
        std::set<WindowHandle> passedOver;
        while (WindowHandle window = FindWindowPassingOver(os, events, name, false, passedOver)) {
            passedOver.insert(window);
            if (TerminateOwner(os, window))
                result = true;
        }
        return result;
    } catch (...) {
        return false;
    }
}

bool IsWow64(Os& os) {
    return os.IsWow64Process();
}

} // namespace platform
