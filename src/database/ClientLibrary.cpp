#include "database/ClientLibrary.h"

#include "database/DynamicLibrary.h"

#include <stdexcept>
#include <string>

namespace database {

namespace {

template <typename Function>
void Resolve(const DynamicLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.Symbol(name));
    if (!function)
        throw std::runtime_error(std::string("The database client library has no ") + name);
}

ClientLibrary ResolveFunctions(const DynamicLibrary& library) {
    ClientLibrary client{};
    Resolve(library, "isc_attach_database", client.attachDatabase);
    Resolve(library, "isc_detach_database", client.detachDatabase);
    Resolve(library, "isc_start_multiple", client.startMultiple);
    Resolve(library, "isc_commit_transaction", client.commitTransaction);
    Resolve(library, "isc_rollback_transaction", client.rollbackTransaction);
    Resolve(library, "isc_dsql_allocate_statement", client.allocateStatement);
    Resolve(library, "isc_dsql_prepare", client.prepareStatement);
    Resolve(library, "isc_dsql_describe", client.describeStatement);
    Resolve(library, "isc_dsql_execute", client.executeStatement);
    Resolve(library, "isc_dsql_fetch", client.fetchRow);
    Resolve(library, "isc_dsql_free_statement", client.freeStatement);
    Resolve(library, "isc_open_blob2", client.openBlob);
    Resolve(library, "isc_get_segment", client.getSegment);
    Resolve(library, "isc_close_blob", client.closeBlob);
    Resolve(library, "fb_interpret", client.interpret);
    return client;
}

} // namespace

ClientLibrary LoadClientLibrary(platform::Os& os, std::u16string_view path) {
    return ResolveFunctions(DynamicLibrary(os, os.DatabaseClient(path)));
}

} // namespace database
