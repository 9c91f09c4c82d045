#include "identity/WorkstationDatabase.h"

#include "Raised.h"
#include "TestInstallation.h"
#include "database/CloseAdoObject.h"
#include "database/DatabaseError.h"
#include "identity/InstallationPaths.h"
#include "text/Text.h"

#include <arpa/inet.h>
#include <future>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <unistd.h>

namespace identity {
namespace {

using database::CloseAdoObject;
using database::Connection;
using database::DatabaseError;
using database::StateClosed;
using database::StateOpen;
using fixtures::Raised;
using testing::TestInstallation;

constexpr char16_t AttachmentCount[] =
    u"SELECT COUNT(*) AS ATTACHMENTS FROM MON$ATTACHMENTS WHERE MON$SYSTEM_FLAG = 0";

std::u16string FirstValue(session::Context& context, std::u16string_view sql) {
    auto recordset = OpenRecordset(context, sql);
    std::u16string value = recordset->Field(0).Value();
    CloseAdoObject(recordset);
    return value;
}

TEST(Database, OpensTheServerOfTheIniFileOnceAndClosesWithTheConnection) {
    TestInstallation installation;
    ASSERT_TRUE(installation.MakeShopDatabase()) << "is the Firebird server running?";
    session::Context& context = installation.context;
    for (const std::string server : {"", "127.0.0.1"}) {
        installation.SetServer(server);
        const std::u16string attachments = FirstValue(context, AttachmentCount);
        auto connection = installation.session.DbConnection;
        const std::u16string attached = server.empty() ? u"LOCALHOST:" : u"127.0.0.1:";
        EXPECT_NE(connection->ConnectionString().find(u"database=" + attached),
                  std::u16string::npos);
        EXPECT_EQ(FirstValue(context, AttachmentCount), attachments) << "the same connection";
        EXPECT_EQ(installation.session.DbConnection, connection);
        CloseAdoObject(installation.session.DbConnection);
        EXPECT_EQ(installation.session.DbConnection, nullptr);
        EXPECT_EQ(connection->State(), StateClosed);
    }
}

// A listening port that completes connections and then says nothing.
struct SilentServer {
    SilentServer() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(socket, reinterpret_cast<sockaddr*>(&address), size);
        listen(socket, 4);
        getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
        port = text::FromInt(ntohs(address.sin_port));
    }
    ~SilentServer() { close(socket); }
    int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    std::u16string port;
};

// The client's own codes and messages reach the caller.
TEST(Database, FailuresCarryTheClientsCodeAndLeaveTheConnectionClosed) {
    TestInstallation installation;
    EXPECT_THROW(OpenRecordset(installation.context, u"SELECT 1 FROM RDB$DATABASE"), DatabaseError);
    ASSERT_NE(installation.session.DbConnection, nullptr);
    EXPECT_EQ(installation.session.DbConnection->State(), StateClosed);
    CloseAdoObject(installation.session.DbConnection);

    ASSERT_TRUE(installation.MakeShopDatabase());
    auto codeOf = [&](const std::u16string& connectionString) -> std::string {
        try {
            Connection(*installation.os).Open(connectionString);
        } catch (const DatabaseError& failure) {
            return std::to_string(failure.Code()) + " " + failure.what();
        }
        return "opened";
    };
    const std::u16string database = u"database=localhost:" + DatabaseFilePath(installation.context);
    const std::u16string rest = u";NOWAIT=1;dialect=3;CHARSET=ISO8859_1;Client=none;";
    EXPECT_TRUE(codeOf(database + u";user=SYSDBA;password=wrong" + rest).starts_with("335544472 "));
    EXPECT_TRUE(codeOf(u"database=127.0.0.1/3051:/x.fdb;user=SYSDBA;password=tovalquin" + rest)
                    .starts_with("335544721 Unable to complete network request"));
    // A server that takes the connection and never answers: refused after a while, not
    // waited for as long as the client's own default of three minutes.
    const SilentServer silent;
    auto attach = std::async(std::launch::async, codeOf,
                             u"database=127.0.0.1/" + silent.port + u":/x.fdb;user=SYSDBA" + rest);
    ASSERT_EQ(attach.wait_for(std::chrono::minutes(1)), std::future_status::ready);
    EXPECT_TRUE(attach.get().starts_with("335544421 connection rejected"));
    EXPECT_EQ(codeOf(database + u";user=SYSDBA;password=tovalquin;CHARSET=KOI8R"),
              "0 Unsupported connection character set KOI8R");
    EXPECT_NE(Raised([&] {
                  OpenRecordset(installation.context, u"SELECT NOPE FROM INFO");
              }).find("Column unknown\nNOPE"),
              std::string::npos);
    CloseAdoObject(installation.session.DbConnection);
}

TEST(Database, ReadsColumnsByFirstMatchingNameWithNullsAndNumbers) {
    TestInstallation installation;
    ASSERT_TRUE(installation.MakeShopDatabase());
    auto recordset = OpenRecordset(
        installation.context,
        u"SELECT 1 AS TWICE, 2 AS twice, CAST(NULL AS VARCHAR(5)) AS NOTHING, "
        u"CAST(-12.5 AS NUMERIC(9,2)) AS PRICE, CAST(0.05 AS NUMERIC(18,3)) AS SMALL, "
        u"CAST(2.5 AS DOUBLE PRECISION) AS HALF, CAST('AB' AS CHAR(4)) AS PADDED, "
        u"CAST('2025-12-08 12:00:00' AS TIMESTAMP) AS STAMP, 'Peñalver' AS ACCENTS "
        u"FROM RDB$DATABASE");
    EXPECT_FALSE(recordset->EndOfFile());
    EXPECT_EQ(recordset->Field(u"twice").Value(), u"1");
    EXPECT_EQ(recordset->Field(1).Value(), u"2");
    EXPECT_TRUE(recordset->Field(u"NOTHING").IsNull());
    EXPECT_EQ(Raised([&] { recordset->Field(u"NOTHING").Value(); }),
              "error 94 Invalid use of Null");
    EXPECT_EQ(recordset->Field(u"PRICE").Value(), u"-12.50");
    EXPECT_EQ(recordset->Field(u"SMALL").Value(), u"0.050");
    EXPECT_EQ(recordset->Field(u"HALF").Value(), u"2.5");
    EXPECT_EQ(recordset->Field(u"PADDED").Value(), u"AB  ");
    EXPECT_EQ(recordset->Field(u"STAMP").Value(), u"08-DEC-2025 12:00:00.0000");
    EXPECT_EQ(recordset->Field(u"ACCENTS").Value(), u"Peñalver");
    EXPECT_TRUE(Raised([&] { recordset->Field(u"MISSING"); }).starts_with("error 3265 "));
    recordset->MoveNext();
    EXPECT_TRUE(recordset->EndOfFile());
    CloseAdoObject(recordset);
    EXPECT_EQ(recordset, nullptr);

    auto empty = OpenRecordset(installation.context, u"SELECT ID FROM INFO WHERE ID = -1");
    EXPECT_TRUE(empty->EndOfFile());
    EXPECT_EQ(empty->State(), StateOpen);
    CloseAdoObject(installation.session.DbConnection);
    EXPECT_EQ(empty->State(), StateClosed) << "closing the connection closes its recordsets";
}

} // namespace
} // namespace identity
