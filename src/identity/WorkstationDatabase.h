#pragma once

#include "database/Recordset.h"
#include "session/Context.h"

#include <memory>
#include <string_view>

namespace identity {

// Runs a query on the workstation database and returns its recordset. The first call
// makes the connection, keeps it in the session's DbConnection before opening it, and
// later calls reuse it untested. Every failure reaches the caller.
std::shared_ptr<database::Recordset> OpenRecordset(session::Context& context,
                                                   std::u16string_view sql);

} // namespace identity
