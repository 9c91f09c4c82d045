#include "identity/Database.h"

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
    context.session.DbConnection = std::make_shared<Connection>(context.os);
    context.session.DbConnection->Open(BuildConnectionString(context, server), u"", u"",
                                       Unspecified);
}

} // namespace

std::shared_ptr<Recordset> OpenRecordset(session::Context& context, std::u16string_view sql) {
    if (!context.session.DbConnection)
        Connect(context);
    auto recordset = std::make_shared<Recordset>();
    recordset->Open(sql, context.session.DbConnection, CursorForwardOnly, Unspecified, Unspecified);
    return recordset;
}

} // namespace identity
