#include "platform/posix/PosixOs.h"

#include "platform/SystemOs.h"
#include "platform/posix/CommandLine.h"
#include "platform/posix/Files.h"
#include "platform/posix/ProfileFile.h"
#include "text/Encoding.h"
#include "text/Text.h"

#include <thread>
#include <unistd.h>

namespace platform::posix {

namespace {

bool IsOnScreenKeyboard(std::u16string_view target) {
    return text::EqualsIgnoreCase(target, u"osk.exe");
}

} // namespace

PosixOs::PosixOs(std::string registryFile, bool windows64)
    : registryFile(std::move(registryFile)), windows64(windows64) {}

// The command line travels as 8-bit ANSI text, as the Windows call takes it.
StartedProcess PosixOs::CreateProcess(std::u16string_view commandLine, WindowStyle style) {
    ProgramCall call =
        SplitCommandLine(WideCharToMultiByte(CodePageAnsi, commandLine),
                         [](const std::string& name) { return LocateProgram(name); });
    const ProcessId id = processes.Spawn(call.program, call.arguments, style);
    return {id, id ? processes.Open(ProcessAllAccess, id) : 0};
}

ProcessHandle PosixOs::OpenProcess(uint32_t access, ProcessId id) {
    return processes.Open(access, id);
}

bool PosixOs::GetExitCodeProcess(ProcessHandle process, uint32_t& exitCode) {
    return processes.ExitCode(process, exitCode);
}

bool PosixOs::TerminateProcess(ProcessHandle process, uint32_t exitCode) {
    return processes.Terminate(process, exitCode);
}

void PosixOs::CloseHandle(ProcessHandle process) {
    processes.Close(process);
}

void PosixOs::Sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

WindowHandle PosixOs::GetFirstWindow() {
    return windows.First();
}

WindowHandle PosixOs::GetNextWindow(WindowHandle window) {
    return windows.Next(window);
}

int32_t PosixOs::GetWindowTextLength(WindowHandle window) {
    return int32_t(windows.Title(window).size());
}

std::u16string PosixOs::GetWindowText(WindowHandle window, int32_t bufferSize) {
    return windows.Title(window).substr(0, size_t(std::max(bufferSize - 1, 0)));
}

ProcessId PosixOs::GetWindowProcessId(WindowHandle window) {
    return windows.OwnerProcess(window);
}

// A change to the export file is seen at the next opening.
long PosixOs::RegOpenKeyEx(RegistryKey root, std::u16string_view subKey, uint32_t,
                           RegistryKey& key) {
    const RegistryValues* values = registryCache.Get(registryFile).Find(root, subKey);
    if (!values)
        return RegistryFileNotFound;
    key = nextKey++;
    openKeys[key] = *values;
    return RegistrySuccess;
}

long PosixOs::RegQueryValueEx(RegistryKey key, std::u16string_view valueName, uint32_t& type,
                              std::string* data, uint32_t& size) {
    constexpr long InvalidHandle = 6;
    auto opened = openKeys.find(key);
    if (opened == openKeys.end())
        return InvalidHandle;
    return QueryValue(opened->second, valueName, type, data, size);
}

void PosixOs::RegCloseKey(RegistryKey key) {
    openKeys.erase(key);
}

std::u16string PosixOs::GetPrivateProfileString(std::u16string_view section,
                                                std::u16string_view key,
                                                std::u16string_view defaultValue,
                                                uint32_t bufferSize, std::u16string_view fileName) {
    return ReadProfileString(text::Utf16ToUtf8(fileName), section, key, defaultValue, bufferSize);
}

bool PosixOs::FileExists(std::u16string_view path) {
    return IsOrdinaryFile(path);
}

bool PosixOs::DeleteFile(std::u16string_view path) {
    return DeleteOrdinaryFile(path);
}

std::optional<std::string> PosixOs::ReadFileBytes(std::u16string_view path) {
    return posix::ReadFileBytes(path);
}

std::vector<std::u16string> PosixOs::ListFiles(std::u16string_view pattern) {
    return ListMatchingFiles(pattern);
}

// The shell's open is xdg-open, not waited for; osk.exe is the on-screen keyboard.
void PosixOs::ShellExecute(std::u16string_view, std::u16string_view target,
                           std::u16string_view parameters, std::u16string_view workingFolder,
                           WindowStyle style) {
    std::vector<std::string> arguments =
        SplitArguments(WideCharToMultiByte(CodePageAnsi, parameters));
    std::string folder = text::Utf16ToUtf8(workingFolder);
    if (IsOnScreenKeyboard(target)) {
        processes.Spawn("osk.exe", arguments, style, folder);
        return;
    }
    arguments.insert(arguments.begin(), text::Utf16ToUtf8(target));
    processes.Spawn("xdg-open", arguments, style, folder);
}

std::u16string PosixOs::ProgramFolder() {
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    std::string_view executable(path, size_t(length));
    return text::Utf8ToUtf16(executable.substr(0, executable.rfind('/')));
}

std::string PosixOs::WideCharToMultiByte(uint32_t codePage, std::u16string_view text) {
    return codePage == CodePageUtf8 ? text::Utf16ToUtf8(text) : text::Utf16ToCp1252(text);
}

std::u16string PosixOs::MultiByteToWideChar(uint32_t codePage, std::string_view bytes) {
    return codePage == CodePageUtf8 ? text::Utf8ToUtf16(bytes) : text::Cp1252ToUtf16(bytes);
}

std::u16string PosixOs::FormatDate(double oleDate, DateFormat format) {
    return dates.Format(oleDate, format);
}

std::optional<double> PosixOs::ParseDateTime(std::u16string_view text) {
    return dates.Parse(text);
}

// Linux has no such scheme: the colours of Windows' default one.
uint32_t PosixOs::GetSysColor(int32_t index) {
    return index == ColorGradientActiveCaption ? 0xEAD1B9 : 0;
}

} // namespace platform::posix

namespace platform {

std::unique_ptr<Os> CreateSystemOs(std::u16string_view installDir) {
    return std::make_unique<posix::PosixOs>(text::Utf16ToUtf8(installDir) + "/registro.reg", true);
}

} // namespace platform
