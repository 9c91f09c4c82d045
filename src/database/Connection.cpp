#include "database/Connection.h"

#include "database/ClientStatus.h"
#include "database/ConnectionAttributes.h"
#include "database/DatabaseError.h"
#include "text/Encoding.h"

#include <string>

namespace database {

namespace {

void AppendItem(std::string& dpb, char item, const std::string& value) {
    dpb += item;
    dpb += static_cast<char>(value.size());
    dpb += value;
}

// How long an attach waits for a server that does not answer: ADO's default connection
// timeout. The client's own default is three minutes, all of them without a window.
constexpr uint32_t ConnectTimeoutSeconds = 15;

// Database parameters. Every text item is given in UTF-8, which the file-name flag
// announces, so a path outside ASCII reaches the server intact.
std::string DatabaseParameters(const ConnectionAttributes& attributes) {
    std::string dpb{firebird::DpbVersion1};
    AppendItem(dpb, firebird::DpbUtf8FileName, "");
    AppendItem(dpb, firebird::DpbUserName, text::Utf16ToUtf8(attributes.user));
    AppendItem(dpb, firebird::DpbPassword, text::Utf16ToUtf8(attributes.password));
    AppendItem(dpb, firebird::DpbLcCtype, text::Utf16ToUtf8(attributes.characterSet));
    AppendItem(dpb, firebird::DpbSqlDialect, std::string(1, static_cast<char>(attributes.dialect)));
    AppendItem(dpb, firebird::DpbConnectTimeout, text::LittleEndianBytes(ConnectTimeoutSeconds));
    return dpb;
}

} // namespace

Connection::~Connection() {
    try {
        Close();
    } catch (const std::exception&) {
        // Nothing can be done about a failed detach while the connection goes away.
    }
}

void Connection::Open(std::u16string_view newConnectionString, std::u16string_view,
                      std::u16string_view, int32_t) {
    if (open)
        throw DatabaseError(0, "The connection is already open");
    connectionString = newConnectionString;
    ConnectionAttributes attributes = ParseConnectionString(connectionString);
    characterSet.emplace(attributes.characterSet);
    settings = {attributes.noWait, attributes.autoCommit, attributes.dialect};
    try {
        client = LoadClientLibrary(os, attributes.client);
    } catch (const std::runtime_error& failure) {
        throw DatabaseError(0, failure.what());
    }
    std::string name = text::Utf16ToUtf8(attributes.database);
    std::string dpb = DatabaseParameters(attributes);
    firebird::StatusVector status{};
    client->attachDatabase(status, static_cast<short>(name.size()), name.data(), &database,
                           static_cast<short>(dpb.size()), dpb.data());
    ThrowOnError(*client, status);
    open = true;
}

void Connection::Close() {
    if (!open)
        return;
    CloseCursors();
    Detach();
}

std::shared_ptr<Cursor> Connection::OpenCursor(std::u16string_view sql) {
    if (!open)
        throw DatabaseError(0, "The connection is closed");
    auto cursor = std::make_shared<Cursor>(*client, database, settings, *characterSet, sql);
    std::erase_if(cursors, [](const std::weak_ptr<Cursor>& held) { return held.expired(); });
    cursors.push_back(cursor);
    return cursor;
}

void Connection::CloseCursors() {
    for (auto& held : cursors) {
        if (auto cursor = held.lock())
            cursor->Close();
    }
    cursors.clear();
}

void Connection::Detach() {
    firebird::StatusVector status{};
    client->detachDatabase(status, &database);
    ThrowOnError(*client, status);
    database = {};
    open = false;
}

} // namespace database
