#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using ProcessId = uint32_t;
using ProcessHandle = uintptr_t; // 0: none
using WindowHandle = uintptr_t;  // 0: none
using RegistryKey = uintptr_t;   // 0: none; the predefined roots are 0x80000000 to 0x80000006
using LibraryHandle = uintptr_t; // 0: none

inline constexpr uint32_t StillActive = 259;
inline constexpr uint32_t ProcessQueryInformation = 0x400;
inline constexpr uint32_t ProcessAllAccess = 0x1F0FFF;
inline constexpr uint32_t KeyRead = 0x20019;
inline constexpr uint32_t RegistryTypeString = 1;
inline constexpr uint32_t RegistryTypeExpandString = 2;
inline constexpr uint32_t RegistryTypeBinary = 3;
inline constexpr uint32_t RegistryTypeDword = 4;
inline constexpr long RegistrySuccess = 0;
inline constexpr long RegistryFileNotFound = 2;
inline constexpr long RegistryMoreData = 234;
inline constexpr uint32_t CodePageAnsi = 0;
inline constexpr uint32_t CodePageUtf8 = 65001;
inline constexpr int32_t ColorGradientActiveCaption = 27;

enum class WindowStyle : int { Hidden = 0, Normal = 1 };
enum class DateFormat { ShortDate, LongTime, GeneralDate };

// A program just started: its id (0 when it did not start) and the handle its creation
// gave, with the rights to wait for and terminate it, which the caller closes. Only that
// handle reads a program's exit code reliably: one that has already ended may not be
// found again by its id.
struct StartedProcess {
    ProcessId id = 0;
    ProcessHandle handle = 0;
};

// The operating system, one method per call the program makes. No logic lives here:
// the rules built on these calls are written once, portably, against this class.
// Texts are UTF-16; a backend turns them into the 8-bit ANSI form where the real call
// takes one.
class Os {
public:
    virtual ~Os() = default;

    // Processes.
    virtual StartedProcess CreateProcess(std::u16string_view commandLine, WindowStyle style) = 0;
    virtual ProcessHandle OpenProcess(uint32_t access, ProcessId id) = 0;
    // False when the call fails; a running process reports StillActive.
    virtual bool GetExitCodeProcess(ProcessHandle process, uint32_t& exitCode) = 0;
    virtual bool TerminateProcess(ProcessHandle process, uint32_t exitCode) = 0;
    virtual void CloseHandle(ProcessHandle process) = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;

    // Top-level windows in z-order, topmost first.
    virtual WindowHandle GetFirstWindow() = 0;
    virtual WindowHandle GetNextWindow(WindowHandle window) = 0;
    virtual int32_t GetWindowTextLength(WindowHandle window) = 0;
    // At most bufferSize - 1 characters of the title.
    virtual std::u16string GetWindowText(WindowHandle window, int32_t bufferSize) = 0;
    virtual ProcessId GetWindowProcessId(WindowHandle window) = 0;

    // Registry, read only. Status codes are the system's (0 success).
    virtual long RegOpenKeyEx(RegistryKey root, std::u16string_view subKey, uint32_t access,
                              RegistryKey& key) = 0;
    // With data null, reports type and size in bytes. With data, reads at most size
    // bytes into it (strings in the ANSI code page, with their terminating zero).
    virtual long RegQueryValueEx(RegistryKey key, std::u16string_view valueName, uint32_t& type,
                                 std::string* data, uint32_t& size) = 0;
    virtual void RegCloseKey(RegistryKey key) = 0;

    // Private-profile (ini) string: the value, at most bufferSize - 1 characters, or the
    // default when the file, section or key is missing.
    virtual std::u16string GetPrivateProfileString(std::u16string_view section,
                                                   std::u16string_view key,
                                                   std::u16string_view defaultValue,
                                                   uint32_t bufferSize,
                                                   std::u16string_view fileName) = 0;

    // Files. FileExists is true for an ordinary file only, never for a folder.
    virtual bool FileExists(std::u16string_view path) = 0;
    virtual bool DeleteFile(std::u16string_view path) = 0;
    virtual std::optional<std::string> ReadFileBytes(std::u16string_view path) = 0;
    // Paths of the ordinary files (no hidden, system or folder entries) matching the
    // wildcard pattern ("*" and "?" in its last component).
    virtual std::vector<std::u16string> ListFiles(std::u16string_view pattern) = 0;

    // Shell.
    virtual void ShellExecute(std::u16string_view verb, std::u16string_view target,
                              std::u16string_view parameters, std::u16string_view workingFolder,
                              WindowStyle style) = 0;
    // True when Windows is 64-bit, whatever the build of this program.
    virtual bool IsWow64Process() = 0;
    virtual void Wow64EnableFsRedirection(bool enable) = 0;
    // The folder of the running program's own executable.
    virtual std::u16string ProgramFolder() = 0;

    // Libraries loaded at run time; they stay loaded for the rest of the process. A
    // library given by its path finds the libraries it depends on beside it. On failure
    // LoadLibrary returns 0 and puts the system's reason in failure.
    virtual LibraryHandle LoadLibrary(std::u16string_view pathOrName, std::string& failure) = 0;
    // The Firebird client library to load for the one the installation names: that one,
    // or the system's own where the installation has none (Linux).
    virtual std::u16string DatabaseClient(std::u16string_view installed) = 0;
    // The named function or variable, or null when the library has none.
    virtual void* GetProcAddress(LibraryHandle library, const char* name) = 0;

    // Code pages: CodePageAnsi or CodePageUtf8.
    virtual std::string WideCharToMultiByte(uint32_t codePage, std::u16string_view text) = 0;
    virtual std::u16string MultiByteToWideChar(uint32_t codePage, std::string_view bytes) = 0;

    // Local time as an OLE Automation date, the user's formats, and the user's parsing.
    virtual double Now() = 0;
    virtual std::u16string FormatDate(double oleDate, DateFormat format) = 0;
    virtual std::optional<double> ParseDateTime(std::u16string_view text) = 0;

    // A colour of the user's desktop scheme (0x00BBGGRR) by its system index
    // (ColorGradientActiveCaption ...).
    virtual uint32_t GetSysColor(int32_t index) = 0;
};

} // namespace platform
