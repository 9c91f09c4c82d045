#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

HANDLE AsHandle(ProcessHandle process) {
    return reinterpret_cast<HANDLE>(process);
}

} // namespace

StartedProcess Win32Os::CreateProcess(std::u16string_view commandLine, WindowStyle style) {
    // The command line goes to the system unchanged: no quotes added, 8-bit ANSI bytes.
    std::string line = ToAnsi(commandLine);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(style);
    PROCESS_INFORMATION created{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &created))
        return {};
    ::CloseHandle(created.hThread);
    return {created.dwProcessId, reinterpret_cast<ProcessHandle>(created.hProcess)};
}

ProcessHandle Win32Os::OpenProcess(uint32_t access, ProcessId id) {
    return reinterpret_cast<ProcessHandle>(::OpenProcess(access, FALSE, id));
}

bool Win32Os::GetExitCodeProcess(ProcessHandle process, uint32_t& exitCode) {
    DWORD code = 0;
    if (!::GetExitCodeProcess(AsHandle(process), &code))
        return false;
    exitCode = code;
    return true;
}

bool Win32Os::TerminateProcess(ProcessHandle process, uint32_t exitCode) {
    return ::TerminateProcess(AsHandle(process), exitCode) != FALSE;
}

void Win32Os::CloseHandle(ProcessHandle process) {
    if (process)
        ::CloseHandle(AsHandle(process));
}

void Win32Os::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

} // namespace platform::win32
