#include "ChildProcess.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace win32test {

using platform::win32::ToWide;

std::u16string HelperPath(std::u16string_view exeName) {
    return platform::win32::Win32Os().ProgramFolder() + u"\\" + std::u16string(exeName);
}

ChildProcess::ChildProcess(std::u16string_view commandLine) {
    std::wstring line = ToWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &created))
        return;
    CloseHandle(created.hThread);
    process = created.hProcess;
}

ChildProcess::~ChildProcess() {
    if (!process)
        return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT)
        TerminateProcess(process, 1);
    CloseHandle(process);
}

bool ChildProcess::WaitForExit(uint32_t limitMs) {
    if (!process)
        return false;
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    HANDLE handle = process;
    while (GetTickCount64() < deadline) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, 100, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0)
            return true;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return false;
}

uint32_t ChildProcess::Id() const {
    return process ? GetProcessId(process) : 0;
}

uint32_t ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process)
        GetExitCodeProcess(process, &code);
    return code;
}

} // namespace win32test
