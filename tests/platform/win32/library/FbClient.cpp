// A stand-in of the Firebird client: the entry points the program resolves, each
// answering through the runtime library that lies beside it, as the real client's do.
extern "C" __declspec(dllimport) int RuntimeValue();

#define ENTRY(name)                                                                                \
    extern "C" __declspec(dllexport) int name() {                                                  \
        return RuntimeValue();                                                                     \
    }

ENTRY(isc_attach_database)
ENTRY(isc_detach_database)
ENTRY(isc_start_multiple)
ENTRY(isc_commit_transaction)
ENTRY(isc_rollback_transaction)
ENTRY(isc_dsql_allocate_statement)
ENTRY(isc_dsql_prepare)
ENTRY(isc_dsql_describe)
ENTRY(isc_dsql_execute)
ENTRY(isc_dsql_fetch)
ENTRY(isc_dsql_free_statement)
ENTRY(isc_open_blob2)
ENTRY(isc_get_segment)
ENTRY(isc_close_blob)
ENTRY(fb_interpret)
