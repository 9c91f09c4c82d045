#include "IncidentStore.h"

#include <algorithm>
#include <ctime>
#include <sqlite3.h>

namespace support_service {

namespace {

// Document ids (from 101), line ids (from 701), incident numbers and observation ids live
// in ranges of their own, so that a client mixing them up is seen at once.
constexpr int64_t FirstNumber = 24000;
constexpr int64_t FirstObservationId = 50000;

constexpr const char* Schema = R"(
    PRAGMA journal_mode = WAL;
    PRAGMA synchronous = NORMAL;
    CREATE TABLE IF NOT EXISTS incidents (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        number INTEGER UNIQUE,
        customer TEXT NOT NULL,
        date TEXT NOT NULL,
        state INTEGER NOT NULL DEFAULT 1,
        operator TEXT NOT NULL DEFAULT '',
        grp TEXT NOT NULL DEFAULT '');
    CREATE TABLE IF NOT EXISTS lines (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        incident INTEGER NOT NULL REFERENCES incidents(id),
        date TEXT NOT NULL,
        observation TEXT NOT NULL);
    CREATE TABLE IF NOT EXISTS requests (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        function TEXT NOT NULL,
        document TEXT NOT NULL);
    CREATE TABLE IF NOT EXISTS settings (key TEXT PRIMARY KEY, value TEXT NOT NULL);
    CREATE INDEX IF NOT EXISTS incidents_by_customer ON incidents (customer, state, date);
    CREATE INDEX IF NOT EXISTS lines_by_incident ON lines (incident, id);
    INSERT INTO sqlite_sequence (name, seq) SELECT 'incidents', 100
        WHERE NOT EXISTS (SELECT 1 FROM sqlite_sequence WHERE name = 'incidents');
    INSERT INTO sqlite_sequence (name, seq) SELECT 'lines', 700
        WHERE NOT EXISTS (SELECT 1 FROM sqlite_sequence WHERE name = 'lines');
)";

} // namespace

// One prepared statement, finalized when it goes.
class IncidentStore::Statement {
public:
    Statement(sqlite3* db, const char* sql) : db(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw StoreError(sqlite3_errmsg(db));
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(statement); }

    Statement& Bind(int index, int64_t value) {
        sqlite3_bind_int64(statement, index, value);
        return *this;
    }
    Statement& Bind(int index, const std::string& value) {
        sqlite3_bind_text(statement, index, value.data(), int(value.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // True while a row is there to read.
    bool Step() {
        const int result = sqlite3_step(statement);
        if (result != SQLITE_ROW && result != SQLITE_DONE)
            throw StoreError(sqlite3_errmsg(db));
        return result == SQLITE_ROW;
    }
    int64_t Integer(int column) { return sqlite3_column_int64(statement, column); }
    std::string Text(int column) {
        const auto* text = sqlite3_column_text(statement, column);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  size_t(sqlite3_column_bytes(statement, column)))
                    : std::string();
    }
    Incident Header() {
        return {Integer(0), Integer(1), Text(2), Text(3), Integer(4), Text(5), Text(6), {}};
    }

private:
    sqlite3* db;
    sqlite3_stmt* statement = nullptr;
};

IncidentStore::IncidentStore(const std::string& file) {
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw StoreError(message);
    }
    sqlite3_busy_timeout(db, 5000);
    Execute(Schema);
}

IncidentStore::~IncidentStore() {
    sqlite3_close(db);
}

void IncidentStore::Execute(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "database error";
        sqlite3_free(error);
        throw StoreError(message);
    }
}

std::vector<Incident> IncidentStore::List(const std::string& customer, std::optional<int64_t> state,
                                          int64_t from, int64_t to, int64_t& total) {
    const char* filter = "customer = ?1 AND (?2 IS NULL OR state = ?2)";
    Statement count(db, (std::string("SELECT COUNT(*) FROM incidents WHERE ") + filter).c_str());
    Statement rows(db, (std::string("SELECT id, number, customer, date, state, operator, grp "
                                    "FROM incidents WHERE ") +
                        filter + " ORDER BY date DESC, id DESC LIMIT ?3 OFFSET ?4")
                           .c_str());
    for (Statement* statement : {&count, &rows}) {
        statement->Bind(1, customer);
        if (state)
            statement->Bind(2, *state);
    }
    count.Step();
    total = count.Integer(0);
    from = std::max<int64_t>(from, 1);
    rows.Bind(3, std::max<int64_t>(to - from + 1, 0)).Bind(4, from - 1);
    std::vector<Incident> incidents;
    while (rows.Step())
        incidents.push_back(rows.Header());
    return incidents;
}

std::optional<Incident> IncidentStore::FindOne(const char* where, int64_t value) {
    Statement find(db, (std::string("SELECT id, number, customer, date, state, operator, grp "
                                    "FROM incidents WHERE ") +
                        where)
                           .c_str());
    if (!find.Bind(1, value).Step())
        return std::nullopt;
    Incident incident = find.Header();
    incident.lines = LinesOf(incident.id);
    return incident;
}

std::optional<Incident> IncidentStore::FindByNumber(int64_t number) {
    return FindOne("number = ?1", number);
}

std::optional<Incident> IncidentStore::FindById(int64_t id) {
    return FindOne("id = ?1", id);
}

std::vector<IncidentLine> IncidentStore::LinesOf(int64_t id) {
    Statement lines(db, "SELECT id, date, observation FROM lines WHERE incident = ?1 ORDER BY id");
    lines.Bind(1, id);
    std::vector<IncidentLine> found;
    while (lines.Step())
        found.push_back({lines.Integer(0), lines.Text(1), FirstObservationId + lines.Integer(0),
                         lines.Text(2)});
    return found;
}

Incident IncidentStore::Create(const std::string& customer, const std::string& date) {
    Statement insert(db, "INSERT INTO incidents (customer, date) VALUES (?1, ?2)");
    insert.Bind(1, customer).Bind(2, date).Step();
    const int64_t id = sqlite3_last_insert_rowid(db);
    Statement number(db, "UPDATE incidents SET number = ?1 WHERE id = ?2");
    number.Bind(1, FirstNumber + id).Bind(2, id).Step();
    return *FindById(id);
}

void IncidentStore::Atomically(const std::function<void()>& work) {
    Execute("BEGIN IMMEDIATE");
    try {
        work();
        Execute("COMMIT");
    } catch (...) {
        Execute("ROLLBACK");
        throw;
    }
}

int64_t IncidentStore::AddLine(int64_t incidentId, const std::string& date,
                               const std::string& observation) {
    Statement insert(db, "INSERT INTO lines (incident, date, observation) VALUES (?1, ?2, ?3)");
    insert.Bind(1, incidentId).Bind(2, date).Bind(3, observation).Step();
    return sqlite3_last_insert_rowid(db);
}

bool IncidentStore::UpdateLine(int64_t incidentId, int64_t lineId, const std::string& observation) {
    Statement update(db, "UPDATE lines SET observation = ?1 WHERE id = ?2 AND incident = ?3");
    update.Bind(1, observation).Bind(2, lineId).Bind(3, incidentId).Step();
    return sqlite3_changes(db) > 0;
}

void IncidentStore::Assign(int64_t id, const std::string& operatorName, const std::string& group) {
    Statement update(db, "UPDATE incidents SET operator = ?1, grp = ?2 WHERE id = ?3");
    update.Bind(1, operatorName).Bind(2, group).Bind(3, id).Step();
}

void IncidentStore::SetState(int64_t id, int64_t state) {
    Statement update(db, "UPDATE incidents SET state = ?1 WHERE id = ?2");
    update.Bind(1, state).Bind(2, id).Step();
}

void IncidentStore::RecordRequest(const std::string& function, const std::string& document) {
    Statement insert(db, "INSERT INTO requests (function, document) VALUES (?1, ?2)");
    insert.Bind(1, function).Bind(2, document).Step();
}

std::vector<ReceivedRequest> IncidentStore::Requests(const std::string& function) {
    Statement select(db, "SELECT function, document FROM requests "
                         "WHERE ?1 = '' OR function = ?1 ORDER BY id");
    select.Bind(1, function);
    std::vector<ReceivedRequest> requests;
    while (select.Step())
        requests.push_back({select.Text(0), select.Text(1)});
    return requests;
}

std::string IncidentStore::Setting(const std::string& key) {
    Statement find(db, "SELECT value FROM settings WHERE key = ?1");
    return find.Bind(1, key).Step() ? find.Text(0) : std::string();
}

void IncidentStore::SetSetting(const std::string& key, const std::string& value) {
    Statement upsert(db, "INSERT OR REPLACE INTO settings (key, value) VALUES (?1, ?2)");
    upsert.Bind(1, key).Bind(2, value).Step();
}

std::string NowText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace support_service
