#pragma once

#include "platform/Os.h"

#include <string_view>

namespace database {

// A shared library loaded at run time through the OS. It stays loaded for the rest of
// the process: database client libraries run their own threads and are not safe to
// unload.
class DynamicLibrary {
public:
    // Raises std::runtime_error with the system's message when the library cannot load.
    DynamicLibrary(platform::Os& os, std::u16string_view pathOrName);

    // The named function, or null when the library has none.
    void* Symbol(const char* name) const;

private:
    platform::Os& os;
    platform::LibraryHandle module;
};

} // namespace database
