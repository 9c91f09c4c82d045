#pragma once

#include "platform/EventPump.h"
#include "platform/Os.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr uint32_t PollIntervalMs = 100;
inline constexpr int32_t PollLimit = 1000;

// Starts the command line and returns at once: the new process's id, 0 when it did not start.
ProcessId StartProgram(Os& os, std::u16string_view commandLine, WindowStyle style);

// What becomes of a program that still runs after the last poll.
enum class AtPollLimit { LeaveRunning, Stop };

// Runs the command line hidden and polls its exit code every 100 ms, letting pending
// events run at each poll, until it ends or 1000 polls have passed. Always one poll at
// least; a program still running afterwards is left running unless told to stop it.
// Gives the program's exit code, read through the handle of its creation; nothing when
// it did not start, did not end within the polls, or its code could not be read.
std::optional<uint32_t> RunHiddenAndWait(Os& os, EventPump& events, std::u16string_view commandLine,
                                         AtPollLimit atLimit = AtPollLimit::LeaveRunning);

// Stops the service of that name and terminates the owner of every top-level window
// whose title contains it, ignoring case. True when at least one process was terminated.
bool StopServiceAndProcesses(Os& os, EventPump& events, std::u16string_view name);

// True whenever Windows is 64-bit, whatever the build of this program.
bool IsWow64(Os& os);

} // namespace platform
