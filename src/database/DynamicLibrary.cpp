#include "database/DynamicLibrary.h"

#include "text/Encoding.h"

#include <stdexcept>
#include <string>

namespace database {

DynamicLibrary::DynamicLibrary(platform::Os& os, std::u16string_view pathOrName) : os(os) {
    std::string failure;
    module = os.LoadLibrary(pathOrName, failure);
    if (!module)
        throw std::runtime_error(text::Utf16ToUtf8(pathOrName) + ": " + failure);
}

void* DynamicLibrary::Symbol(const char* name) const {
    return os.GetProcAddress(module, name);
}

} // namespace database
