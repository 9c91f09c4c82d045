#pragma once

#include "platform/Os.h"

namespace platform::win32 {

// The Windows backend of the OS seam: each method is the Win32 call of the same name,
// with UTF-16 texts turned into the ANSI code page where the call is an 8-bit one.
class Win32Os : public Os {
public:
    StartedProcess CreateProcess(std::u16string_view commandLine, WindowStyle style) override;
    ProcessHandle OpenProcess(uint32_t access, ProcessId id) override;
    bool GetExitCodeProcess(ProcessHandle process, uint32_t& exitCode) override;
    bool TerminateProcess(ProcessHandle process, uint32_t exitCode) override;
    void CloseHandle(ProcessHandle process) override;
    void Sleep(uint32_t milliseconds) override;

    WindowHandle GetFirstWindow() override;
    WindowHandle GetNextWindow(WindowHandle window) override;
    int32_t GetWindowTextLength(WindowHandle window) override;
    std::u16string GetWindowText(WindowHandle window, int32_t bufferSize) override;
    ProcessId GetWindowProcessId(WindowHandle window) override;

    long RegOpenKeyEx(RegistryKey root, std::u16string_view subKey, uint32_t access,
                      RegistryKey& key) override;
    long RegQueryValueEx(RegistryKey key, std::u16string_view valueName, uint32_t& type,
                         std::string* data, uint32_t& size) override;
    void RegCloseKey(RegistryKey key) override;

    std::u16string GetPrivateProfileString(std::u16string_view section, std::u16string_view key,
                                           std::u16string_view defaultValue, uint32_t bufferSize,
                                           std::u16string_view fileName) override;

    bool FileExists(std::u16string_view path) override;
    bool DeleteFile(std::u16string_view path) override;
    std::optional<std::string> ReadFileBytes(std::u16string_view path) override;
    std::vector<std::u16string> ListFiles(std::u16string_view pattern) override;

    void ShellExecute(std::u16string_view verb, std::u16string_view target,
                      std::u16string_view parameters, std::u16string_view workingFolder,
                      WindowStyle style) override;
    bool IsWow64Process() override;
    void Wow64EnableFsRedirection(bool enable) override;
    std::u16string ProgramFolder() override;
    LibraryHandle LoadLibrary(std::u16string_view pathOrName, std::string& failure) override;
    std::u16string DatabaseClient(std::u16string_view installed) override {
        return std::u16string(installed);
    }
    void* GetProcAddress(LibraryHandle library, const char* name) override;

    std::string WideCharToMultiByte(uint32_t codePage, std::u16string_view text) override;
    std::u16string MultiByteToWideChar(uint32_t codePage, std::string_view bytes) override;

    double Now() override;
    std::u16string FormatDate(double oleDate, DateFormat format) override;
    std::optional<double> ParseDateTime(std::u16string_view text) override;

    uint32_t GetSysColor(int32_t index) override;
};

} // namespace platform::win32
