#pragma once

#include "session/Context.h"

#include <string>

namespace identity {

// The fixed places of a Velmorn installation, built on the context's installation folder
// with its path separator: C:\Velmorn3, C:\Velmorn3\Velmorn3.ini and
// C:\Velmorn3\DATOS\EMP1\velmorn3.fdb in production on Windows.
std::u16string InstallDir(const session::Context& context);
std::u16string IniFilePath(const session::Context& context);
std::u16string DatabaseFilePath(const session::Context& context);
// The installation's own Firebird client library.
std::u16string ClientLibraryPath(const session::Context& context);

} // namespace identity
