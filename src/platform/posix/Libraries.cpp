#include "platform/posix/Libraries.h"

#include "text/Encoding.h"

#include <dlfcn.h>
#include <unistd.h>

namespace platform::posix {

// The loader's message without the name it starts with: the caller knows the name.
LibraryHandle LoadSharedLibrary(std::u16string_view pathOrName, std::string& failure) {
    const std::string name = text::Utf16ToUtf8(pathOrName);
    void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        failure = reason ? reason : "the library cannot be loaded";
        if (failure.starts_with(name + ": "))
            failure.erase(0, name.size() + 2);
    }
    return reinterpret_cast<LibraryHandle>(library);
}

std::u16string SystemDatabaseClient(std::u16string_view installed) {
    if (access(text::Utf16ToUtf8(installed).c_str(), F_OK) == 0)
        return std::u16string(installed);
    return u"libfbclient.so.2";
}

void* SharedLibrarySymbol(LibraryHandle library, const char* name) {
    return library ? dlsym(reinterpret_cast<void*>(library), name) : nullptr;
}

} // namespace platform::posix
