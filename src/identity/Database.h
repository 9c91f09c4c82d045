#pragma once

#include "identity/Connection.h"
#include "identity/Recordset.h"
#include "session/Context.h"

#include <exception>
#include <memory>
#include <string_view>

namespace identity {

// Runs a query on the workstation database and returns its recordset. The first call
// makes the connection, keeps it in the session's DbConnection before opening it, and
// later calls reuse it untested. Every failure reaches the caller.
std::shared_ptr<Recordset> OpenRecordset(session::Context& context, std::u16string_view sql);

// Closes a connection or a recordset when it is not closed already, then lets go of it.
// A failure on the way is ignored: the reference is cleared whatever happens.
template <typename AdoObject> void CloseAdoObject(std::shared_ptr<AdoObject>& reference) {
    try {
        if (reference && reference->State() != StateClosed)
            reference->Close();
    } catch (const std::exception&) {
        // Releasing must not fail; what could not be closed goes away with the object.
    }
    reference.reset();
}

} // namespace identity
