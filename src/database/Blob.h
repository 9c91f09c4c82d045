#pragma once

#include "database/ClientLibrary.h"

#include <string>

namespace database {

// The whole content of a BLOB, read segment by segment within the transaction that
// fetched its row. A text BLOB comes in the connection character set, transliterated by
// the server. Raises DatabaseError with the client's message.
std::string ReadBlob(const ClientLibrary& client, firebird::Handle& database,
                     firebird::Handle& transaction, firebird::BlobId id);

} // namespace database
