#pragma once

#include "database/Connection.h"

#include <exception>
#include <memory>

namespace database {

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

} // namespace database
