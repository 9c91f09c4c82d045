#include "identity/DynamicLibrary.h"

#include "text/Encoding.h"

#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace identity {

#if defined(_WIN32)

namespace {

std::string LastSystemError() {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, GetLastError(), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string message(buffer ? buffer : "", length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

} // namespace

DynamicLibrary::DynamicLibrary(std::u16string_view pathOrName) {
    std::wstring widePath(pathOrName.begin(), pathOrName.end());
    module = reinterpret_cast<void*>(LoadLibraryW(widePath.c_str()));
    if (!module)
        throw std::runtime_error(text::Utf16ToUtf8(pathOrName) + ": " + LastSystemError());
}

void* DynamicLibrary::Symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

#else

DynamicLibrary::DynamicLibrary(std::u16string_view pathOrName) {
    module = dlopen(text::Utf16ToUtf8(pathOrName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        throw std::runtime_error(dlerror());
}

void* DynamicLibrary::Symbol(const char* name) const {
    return dlsym(module, name);
}

#endif

} // namespace identity
