#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace win32test {

// The folder of the test programs beside this test: the helper's full path.
std::u16string HelperPath(std::u16string_view exeName);

// A program a test starts itself, with its process handle kept so the test can wait for
// it. A program still running when the object goes is terminated.
class ChildProcess {
public:
    explicit ChildProcess(std::u16string_view commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process != nullptr; }
    uint32_t Id() const;
    // Waits for the end, processing this thread's window messages meanwhile (a DDE
    // server in the test answers that way). False when it is still running at the limit.
    bool WaitForExit(uint32_t limitMs = 60000);
    uint32_t ExitCode() const;

private:
    void* process = nullptr;
};

} // namespace win32test
