#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

// Functions that older Windows lacks are looked up by name in kernel32.
template <typename Function> Function Kernel32Function(const char* name) {
    HMODULE kernel32 = ::GetModuleHandleA("kernel32");
    if (!kernel32)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(kernel32, name)));
}

// An empty text is handed to the shell as no text at all.
const char* OrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

void Win32Os::ShellExecute(std::u16string_view verb, std::u16string_view target,
                           std::u16string_view parameters, std::u16string_view workingFolder,
                           WindowStyle style) {
    const std::string verbAnsi = ToAnsi(verb), targetAnsi = ToAnsi(target);
    const std::string parametersAnsi = ToAnsi(parameters), folderAnsi = ToAnsi(workingFolder);
    ::ShellExecuteA(::GetDesktopWindow(), OrNull(verbAnsi), targetAnsi.c_str(),
                    OrNull(parametersAnsi), OrNull(folderAnsi), int(style));
}

bool Win32Os::IsWow64Process() {
#ifdef _WIN64
    // A 64-bit program runs on 64-bit Windows only.
    return true;
#else
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = Kernel32Function<IsWow64ProcessFunction>("IsWow64Process");
    BOOL wow64 = FALSE;
    if (!isWow64 || !isWow64(::GetCurrentProcess(), &wow64))
        return false;
    return wow64 != FALSE;
#endif
}

void Win32Os::Wow64EnableFsRedirection(bool enable) {
    using EnableFunction = BOOLEAN(WINAPI*)(BOOLEAN);
    if (auto enableRedirection = Kernel32Function<EnableFunction>("Wow64EnableWow64FsRedirection"))
        enableRedirection(enable ? TRUE : FALSE);
}

std::u16string Win32Os::ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t cut = path.find_last_of(L"\\/");
    return FromWide(cut == std::wstring::npos ? std::wstring_view()
                                              : std::wstring_view(path).substr(0, cut));
}

std::string Win32Os::WideCharToMultiByte(uint32_t codePage, std::u16string_view text) {
    return WideToMultiByte(codePage, text);
}

uint32_t Win32Os::GetSysColor(int32_t index) {
    return ::GetSysColor(index);
}

std::u16string Win32Os::MultiByteToWideChar(uint32_t codePage, std::string_view bytes) {
    return MultiByteToWide(codePage, bytes);
}

} // namespace platform::win32
