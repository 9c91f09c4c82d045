#pragma once

#include "database/ClientLibrary.h"

namespace database {

// Raises DatabaseError with the client's own message when the status vector holds an
// error.
void ThrowOnError(const ClientLibrary& client, const firebird::StatusVector& status);

} // namespace database
