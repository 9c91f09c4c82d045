#pragma once

#include "platform/Os.h"

#include <string>
#include <string_view>

namespace platform::posix {

// Shared libraries through the dynamic loader; a name without a slash is looked for
// where the loader looks, a path is loaded as given.
LibraryHandle LoadSharedLibrary(std::u16string_view pathOrName, std::string& failure);
void* SharedLibrarySymbol(LibraryHandle library, const char* name);
// The installation's Firebird client when it has one, the system's otherwise.
std::u16string SystemDatabaseClient(std::u16string_view installed);

} // namespace platform::posix
