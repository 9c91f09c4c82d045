#include "database/Cursor.h"

#include "database/Blob.h"
#include "database/ClientStatus.h"
#include "database/DatabaseError.h"
#include "text/Text.h"

#include <string>

namespace database {

namespace {

std::string TransactionParameters(const StatementSettings& settings) {
    std::string tpb{firebird::TpbVersion3, firebird::TpbRead, firebird::TpbReadCommitted,
                    firebird::TpbRecordVersion};
    if (settings.noWait)
        tpb += firebird::TpbNoWait;
    return tpb;
}

} // namespace

Cursor::Cursor(const ClientLibrary& library, firebird::Handle& connectedDatabase,
               const StatementSettings& statementSettings,
               const CharacterSet& connectionCharacterSet, std::u16string_view sql)
    : client(library), database(connectedDatabase), settings(statementSettings),
      characterSet(connectionCharacterSet) {
    try {
        Start();
        Prepare(sql);
        Execute();
    } catch (...) {
        Release();
        throw;
    }
}

Cursor::~Cursor() {
    Release();
}

void Cursor::Start() {
    std::string tpb = TransactionParameters(settings);
    firebird::TransactionDatabase target{&database, static_cast<int>(tpb.size()), tpb.data()};
    firebird::StatusVector status{};
    client.startMultiple(status, &transaction, 1, &target);
    Check(status);
}

void Cursor::Prepare(std::u16string_view sql) {
    firebird::StatusVector status{};
    client.allocateStatement(status, &database, &statement);
    Check(status);
    std::string bytes = characterSet.Encode(sql);
    client.prepareStatement(status, &transaction, &statement,
                            static_cast<unsigned short>(bytes.size()), bytes.data(),
                            static_cast<unsigned short>(settings.dialect), columns.Area());
    Check(status);
    if (columns.NeedsMoreRoom()) {
        columns = ResultColumns(columns.DescribedCount());
        client.describeStatement(status, &statement, firebird::SqlDescriptorVersion,
                                 columns.Area());
        Check(status);
    }
    columns.Bind();
}

void Cursor::Execute() {
    firebird::StatusVector status{};
    client.executeStatement(status, &transaction, &statement, firebird::SqlDescriptorVersion,
                            nullptr);
    Check(status);
}

void Cursor::Check(const firebird::StatusVector& status) const {
    ThrowOnError(client, status);
}

bool Cursor::Fetch() {
    if (!IsOpen())
        throw DatabaseError(0, "The query is closed");
    firebird::StatusVector status{};
    firebird::Status result =
        client.fetchRow(status, &statement, firebird::SqlDescriptorVersion, columns.Area());
    if (result == firebird::FetchEnd)
        return false;
    Check(status);
    columns.ReadBlobs(
        [this](firebird::BlobId id) { return ReadBlob(client, database, transaction, id); });
    return true;
}

std::optional<size_t> Cursor::ColumnIndex(std::u16string_view name) const {
    for (size_t index = 0; index < columns.Count(); ++index) {
        if (text::EqualsIgnoreCase(columns.Alias(index, characterSet), name))
            return index;
    }
    return std::nullopt;
}

void Cursor::Close() {
    if (!IsOpen())
        return;
    firebird::StatusVector status{};
    client.freeStatement(status, &statement, firebird::DsqlDrop);
    statement = {};
    Check(status);
    if (settings.autoCommit)
        client.commitTransaction(status, &transaction);
    else
        client.rollbackTransaction(status, &transaction);
    Check(status);
    transaction = {};
}

// Ends what is still open, ignoring failures: used when making the cursor failed and
// when it is dropped unclosed.
void Cursor::Release() noexcept {
    firebird::StatusVector status{};
    if (statement != firebird::Handle{})
        client.freeStatement(status, &statement, firebird::DsqlDrop);
    if (transaction != firebird::Handle{})
        client.rollbackTransaction(status, &transaction);
    statement = {};
    transaction = {};
}

} // namespace database
