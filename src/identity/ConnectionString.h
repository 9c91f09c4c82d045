#pragma once

#include "session/Context.h"

#include <string>
#include <string_view>

namespace identity {

// The one description of how the workstation database is reached: the Firebird ODBC
// connection string of the installation's database on the given server. The built-in
// client reads the same attributes.
std::u16string BuildConnectionString(const session::Context& context, std::u16string_view server);

} // namespace identity
