#pragma once

#include "platform/Os.h"
#include "platform/posix/Libraries.h"
#include "platform/posix/LocaleDates.h"
#include "platform/posix/Processes.h"
#include "platform/posix/RegistryFile.h"
#include "platform/posix/X11Windows.h"

#include <map>
#include <string>

namespace platform::posix {

// The operating system on Linux: real processes, X11 windows, files and the C locale;
// the registry from a regedit export file; code page 1252 as the ANSI code page.
class PosixOs : public Os {
public:
    PosixOs(std::string registryFile, bool windows64);

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
    bool IsWow64Process() override { return windows64; }
    void Wow64EnableFsRedirection(bool) override {}
    std::u16string ProgramFolder() override;
    LibraryHandle LoadLibrary(std::u16string_view pathOrName, std::string& failure) override {
        return LoadSharedLibrary(pathOrName, failure);
    }
    std::u16string DatabaseClient(std::u16string_view installed) override {
        return SystemDatabaseClient(installed);
    }
    void* GetProcAddress(LibraryHandle library, const char* name) override {
        return SharedLibrarySymbol(library, name);
    }

    std::string WideCharToMultiByte(uint32_t codePage, std::u16string_view text) override;
    std::u16string MultiByteToWideChar(uint32_t codePage, std::string_view bytes) override;

    double Now() override { return dates.Now(); }
    std::u16string FormatDate(double oleDate, DateFormat format) override;
    std::optional<double> ParseDateTime(std::u16string_view text) override;

    uint32_t GetSysColor(int32_t index) override;

private:
    std::string registryFile;
    RegistryFileCache registryCache;
    bool windows64;
    Processes processes;
    X11Windows windows;
    LocaleDates dates;
    std::map<RegistryKey, RegistryValues> openKeys;
    RegistryKey nextKey = 0x100;
};

} // namespace platform::posix
