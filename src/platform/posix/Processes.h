#pragma once

#include "platform/Os.h"

#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform::posix {

// The full path of a program as process creation finds it: a name with a "/" as it is,
// otherwise the first match on PATH, also with ".exe" added when the name has no
// extension; the on-screen keyboard falls back to onboard.
std::optional<std::string> LocateProgram(const std::string& name);

// Processes and their handles. Our own children are reaped with their exit codes;
// other processes report StillActive while they live.
class Processes {
public:
    // The new process's id, 0 when it did not start. Hidden programs get no terminal input.
    ProcessId Spawn(const std::string& program, const std::vector<std::string>& arguments,
                    WindowStyle style, const std::string& workingFolder = {});
    ProcessHandle Open(uint32_t access, ProcessId id);
    bool ExitCode(ProcessHandle handle, uint32_t& exitCode);
    bool Terminate(ProcessHandle handle, uint32_t exitCode);
    void Close(ProcessHandle handle);

private:
    struct Child {
        bool reaped = false;
        uint32_t exitCode = 0;
        std::optional<uint32_t> terminatedWith;
    };

    void Reap(pid_t pid, Child& child, bool wait);
    void ReapEnded();
    uint32_t ExitCodeOfOther(pid_t pid) const;

    std::map<pid_t, Child> children;
    std::map<ProcessHandle, pid_t> handles;
    ProcessHandle nextHandle = 1;
};

} // namespace platform::posix
