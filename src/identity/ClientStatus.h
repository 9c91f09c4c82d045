#pragma once

#include "identity/ClientLibrary.h"

namespace identity {

// Raises DatabaseError with the client's own message when the status vector holds an
// error.
void ThrowOnError(const ClientLibrary& client, const firebird::StatusVector& status);

} // namespace identity
