#include "identity/ConnectionString.h"

#include "identity/InstallationPaths.h"

namespace identity {

std::u16string BuildConnectionString(const session::Context& context, std::u16string_view server) {
    std::u16string connectionString = u"Driver=Firebird/InterBase(r) driver;database=";
    connectionString += server;
    connectionString += u":";
    connectionString += DatabaseFilePath(context);
    connectionString += u";user=SYSDBA;password=tovalquin;NOWAIT=1;dialect=3;auto_commit=true;"
                        u"CHARSET=ISO8859_1;Client=";
    connectionString += ClientLibraryPath(context);
    connectionString += u";";
    return connectionString;
}

} // namespace identity
