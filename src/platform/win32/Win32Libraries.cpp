#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// "C:\..." or "\\server\...": the altered search order is defined for these only.
bool IsAbsolutePath(std::u16string_view path) {
    const bool withDrive = path.size() > 2 && path[1] == u':' && IsSeparator(path[2]);
    const bool unc = path.size() > 1 && IsSeparator(path[0]) && IsSeparator(path[1]);
    return withDrive || unc;
}

std::string SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer ? buffer : L"", length);
    ::LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    if (message.empty())
        return "system error " + std::to_string(error);
    return WideToMultiByte(CP_UTF8, FromWide(message));
}

} // namespace

// A library given by its path looks for its own dependencies in its folder first, so
// a client library finds the runtime libraries installed beside it.
LibraryHandle Win32Os::LoadLibrary(std::u16string_view pathOrName, std::string& failure) {
    const DWORD flags = IsAbsolutePath(pathOrName) ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
    HMODULE library = ::LoadLibraryExW(ToWide(pathOrName).c_str(), nullptr, flags);
    if (!library)
        failure = SystemMessage(::GetLastError());
    return reinterpret_cast<LibraryHandle>(library);
}

void* Win32Os::GetProcAddress(LibraryHandle library, const char* name) {
    if (!library)
        return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(reinterpret_cast<HMODULE>(library), name));
}

} // namespace platform::win32
