#include "identity/WorkstationDatabase.h"

#include "database/Connection.h"
#include "identity/ConnectionString.h"
#include "identity/IniSettings.h"
#include "identity/InstallationPaths.h"

namespace identity {

namespace {

std::u16string DatabaseServer(session::Context& context) {
    std::u16string server = ReadIniValue(context.os, IniFilePath(context), u"INICIO", u"SERVIDOR");
    return server.empty() ? u"LOCALHOST" : server;
}

void Connect(session::Context& context) {
    std::u16string server = DatabaseServer(context);
    context.session.DbConnection = std::make_shared<database::Connection>(context.os);
    context.session.DbConnection->Open(BuildConnectionString(context, server), u"", u"",
                                       database::Unspecified);
}

} // namespace

std::shared_ptr<database::Recordset> OpenRecordset(session::Context& context,
                                                   std::u16string_view sql) {
    if (!context.session.DbConnection)
        Connect(context);
    auto recordset = std::make_shared<database::Recordset>();
    recordset->Open(sql, context.session.DbConnection, database::CursorForwardOnly,
                    database::Unspecified, database::Unspecified);
    return recordset;
}

} // namespace identity
