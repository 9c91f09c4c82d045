#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

constexpr DWORD NotOrdinary =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The folder part of a pattern, with its trailing separator ("" for a bare name).
std::u16string FolderOf(std::u16string_view pattern) {
    const size_t cut = pattern.find_last_of(u"\\/:");
    return cut == std::u16string_view::npos ? std::u16string()
                                            : std::u16string(pattern.substr(0, cut + 1));
}

std::optional<std::string> ReadAll(HANDLE file) {
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    while (true) {
        if (!::ReadFile(file, chunk, sizeof chunk, &read, nullptr))
            return std::nullopt;
        if (read == 0)
            return bytes;
        bytes.append(chunk, read);
    }
}

} // namespace

bool Win32Os::FileExists(std::u16string_view path) {
    const DWORD attributes = ::GetFileAttributesA(ToAnsi(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Os::DeleteFile(std::u16string_view path) {
    return ::DeleteFileA(ToAnsi(path).c_str()) != FALSE;
}

std::optional<std::string> Win32Os::ReadFileBytes(std::u16string_view path) {
    HANDLE file = ::CreateFileA(ToAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::string> bytes = ReadAll(file);
    ::CloseHandle(file);
    return bytes;
}

std::vector<std::u16string> Win32Os::ListFiles(std::u16string_view pattern) {
    std::vector<std::u16string> found;
    WIN32_FIND_DATAA entry{};
    HANDLE search = ::FindFirstFileA(ToAnsi(pattern).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    const std::u16string folder = FolderOf(pattern);
    do {
        if (!(entry.dwFileAttributes & NotOrdinary))
            found.push_back(folder + FromAnsi(entry.cFileName));
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
    return found;
}

} // namespace platform::win32
