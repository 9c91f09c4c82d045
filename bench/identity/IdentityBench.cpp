// The start-up read of the workstation profile (connect, both queries, release) beside
// the same work done on the bare Firebird client API, in one run against the local
// server. Prints both mean times and their ratio.
#include "FakeOs.h"
#include "database/ClientLibrary.h"
#include "database/FirebirdApi.h"
#include "identity/InstallationPaths.h"
#include "identity/WorkstationProfile.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using namespace database;
using namespace identity;
using Clock = std::chrono::steady_clock;

constexpr int Rounds = 30;

const char* const ProfileQuery =
    "SELECT INFO.LIC AS CODIGO,INFO.NOMBRE, TERMINALES.ID, TERMINALES.DESCRIPCION, REPLICA, "
    "ALMACENES.DESCRIPCION ALMACEN, ALMACENES.DIRECCION, LOCALIDADES.DESCRIPCION LOCALIDAD, "
    "PROVINCIAS.DESCRIPCION PROVINCIA FROM INFO INNER JOIN TERMINALES ON INFO.ID = "
    "TERMINALES.ID INNER JOIN ALMACENES ON ALMACENES.ID = TERMINALES.IDALMACEN INNER JOIN "
    "LOCALIDADES ON LOCALIDADES.ID = ALMACENES.IDLOCAL INNER JOIN PROVINCIAS ON PROVINCIAS.ID "
    "= LOCALIDADES.IDPROV";

void Check(const firebird::StatusVector& status) {
    if (status[0] == 1 && status[1] != 0)
        throw std::runtime_error("client error " + std::to_string(status[1]));
}

// The bare client: one attach, each query in its own committed transaction, detach.
class BareClient {
public:
    BareClient(const ClientLibrary& library, std::string database)
        : client(library), name("localhost:" + std::move(database)) {}

    void ReadProfile() {
        firebird::StatusVector status{};
        firebird::Handle db{};
        const char dpb[] = {firebird::DpbVersion1,
                            firebird::DpbUserName,
                            6,
                            'S',
                            'Y',
                            'S',
                            'D',
                            'B',
                            'A',
                            firebird::DpbPassword,
                            9,
                            't',
                            'o',
                            'v',
                            'a',
                            'l',
                            'q',
                            'u',
                            'i',
                            'n',
                            firebird::DpbLcCtype,
                            9,
                            'I',
                            'S',
                            'O',
                            '8',
                            '8',
                            '5',
                            '9',
                            '_',
                            '1',
                            firebird::DpbSqlDialect,
                            1,
                            3};
        client.attachDatabase(status, static_cast<short>(name.size()), name.data(), &db, sizeof dpb,
                              dpb);
        Check(status);
        Query(db, ProfileQuery, 9);
        Query(db,
              text::Utf16ToLatin1(
                  u"SELECT UPPER(TRIM(VALOR)) FROM TPVOPCIONES WHERE GRUPO = 'OPCIONES "
                  u"TECLADO' AND OPCION = '¿USA PANTALLA TÁCTIL?' AND IDTERMINAL = (SELECT "
                  u"ID FROM INFO)"),
              1);
        client.detachDatabase(status, &db);
        Check(status);
    }

private:
    void Query(firebird::Handle& db, const std::string& sql, int16_t columns) {
        firebird::StatusVector status{};
        firebird::Handle transaction{}, statement{};
        const char tpb[] = {firebird::TpbVersion3, firebird::TpbRead, firebird::TpbReadCommitted,
                            firebird::TpbRecordVersion, firebird::TpbNoWait};
        firebird::TransactionDatabase target{&db, sizeof tpb, tpb};
        client.startMultiple(status, &transaction, 1, &target);
        Check(status);
        client.allocateStatement(status, &db, &statement);
        Check(status);
        std::vector<char> area(sizeof(firebird::SqlDescriptorArea) +
                               static_cast<size_t>(columns) * sizeof(firebird::SqlVariable));
        auto* sqlda = reinterpret_cast<firebird::SqlDescriptorArea*>(area.data());
        sqlda->version = firebird::SqlDescriptorVersion;
        sqlda->sqln = columns;
        client.prepareStatement(status, &transaction, &statement,
                                static_cast<unsigned short>(sql.size()), sql.data(), 3, sqlda);
        Check(status);
        std::vector<std::vector<int64_t>> buffers(static_cast<size_t>(columns));
        std::vector<int16_t> indicators(static_cast<size_t>(columns));
        for (int16_t index = 0; index < sqlda->sqld; ++index) {
            firebird::SqlVariable& column = sqlda->sqlvar[index];
            buffers[static_cast<size_t>(index)].assign(static_cast<size_t>(column.sqllen) / 8 + 2,
                                                       0);
            column.sqldata = reinterpret_cast<char*>(buffers[static_cast<size_t>(index)].data());
            column.sqlind = &indicators[static_cast<size_t>(index)];
        }
        client.executeStatement(status, &transaction, &statement, 1, nullptr);
        Check(status);
        client.fetchRow(status, &statement, 1, sqlda);
        client.freeStatement(status, &statement, firebird::DsqlDrop);
        Check(status);
        client.commitTransaction(status, &transaction);
        Check(status);
    }

    const ClientLibrary client;
    std::string name;
};

double MeanMilliseconds(const std::function<void()>& work) {
    work(); // warm-up: library loading and the server's first open of the file
    auto start = Clock::now();
    for (int round = 0; round < Rounds; ++round)
        work();
    std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    return elapsed.count() / Rounds;
}

} // namespace

int main() {
    std::filesystem::path folder = "/var/tmp/asr-firebird/bench";
    // The installation has no ini file: the profile is read from the default server.
    std::unique_ptr<platform::Os> system = platform::CreateSystemOs(folder.u16string());
    platform::Os& os = *system;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, {folder.u16string(), u'/', {}, {}}};
    std::string database = text::Utf16ToUtf8(DatabaseFilePath(context));
    std::string command = std::string(ASR_FIREBIRD_TOOLS "/make-db.sh '") + database +
                          "' '" ASR_FIREBIRD_TOOLS "/sql/demo.sql'";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "Could not build the database: is the Firebird server running?\n");
        return 1;
    }

    double profile = MeanMilliseconds([&] {
        session = {};
        LoadWorkstationProfile(context);
        if (!dialogs.prompts.empty())
            throw std::runtime_error("the profile was not read from the database");
    });
    BareClient bare(LoadClientLibrary(os, ClientLibraryPath(context)), database);
    double baseline = MeanMilliseconds([&] { bare.ReadProfile(); });

    std::printf("LoadWorkstationProfile   %8.3f ms per start-up read (%d rounds)\n", profile,
                Rounds);
    std::printf("bare client library      %8.3f ms per start-up read (%d rounds)\n", baseline,
                Rounds);
    std::printf("ratio                    %8.2f (goal: at most 1.50)\n", profile / baseline);
    std::filesystem::remove_all(folder);
    return 0;
}
