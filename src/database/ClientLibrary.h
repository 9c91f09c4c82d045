#pragma once

#include "database/FirebirdApi.h"
#include "platform/Os.h"

#include <string_view>

namespace database {

// The functions of a loaded Firebird client library.
struct ClientLibrary {
    firebird::AttachDatabase attachDatabase;
    firebird::DetachDatabase detachDatabase;
    firebird::StartMultiple startMultiple;
    firebird::CommitTransaction commitTransaction;
    firebird::RollbackTransaction rollbackTransaction;
    firebird::AllocateStatement allocateStatement;
    firebird::PrepareStatement prepareStatement;
    firebird::DescribeStatement describeStatement;
    firebird::ExecuteStatement executeStatement;
    firebird::FetchRow fetchRow;
    firebird::FreeStatement freeStatement;
    firebird::OpenBlob openBlob;
    firebird::GetSegment getSegment;
    firebird::CloseBlob closeBlob;
    firebird::Interpret interpret;
};

// The functions of the client library at the path; where the installation has none, of
// the system's own, as the backend answers (DatabaseClient). The caller keeps them: the
// library stays loaded (DynamicLibrary), and loading it again costs the system little.
// Raises std::runtime_error when the library cannot be loaded or lacks one of the functions.
ClientLibrary LoadClientLibrary(platform::Os& os, std::u16string_view path);

} // namespace database
