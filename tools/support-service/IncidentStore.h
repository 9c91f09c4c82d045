#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

namespace support_service {

struct StoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Texts are UTF-8; dates are "YYYY-MM-DD hh:mm:ss".
struct IncidentLine {
    int64_t id = 0;
    std::string date;
    int64_t observationId = 0;
    std::string observation;
};

struct Incident {
    int64_t id = 0;
    int64_t number = 0;
    std::string customer;
    std::string date;
    int64_t state = 1; // 1 in progress, 2 finished, 3 cancelled, 4 blocked
    std::string operatorName;
    std::string group;
    std::vector<IncidentLine> lines; // oldest first
};

// A request as the service received it: its function and its decoded document.
struct ReceivedRequest {
    std::string function;
    std::string document;
};

// The incidents of the support service in one SQLite file, shared by the service and the
// operator's tool.
class IncidentStore {
public:
    explicit IncidentStore(const std::string& file);
    IncidentStore(const IncidentStore&) = delete;
    IncidentStore& operator=(const IncidentStore&) = delete;
    ~IncidentStore();

    // The customer's incidents in that state (any state when none), newest first: rows
    // `from` to `to`, 1-based and inclusive, and how many there are in all.
    std::vector<Incident> List(const std::string& customer, std::optional<int64_t> state,
                               int64_t from, int64_t to, int64_t& total);
    std::optional<Incident> FindByNumber(int64_t number);
    std::optional<Incident> FindById(int64_t id);

    // Runs the work as one transaction: all of it is kept, or none when it throws.
    void Atomically(const std::function<void()>& work);

    // A new incident in progress with its number; its lines are added with AddLine.
    Incident Create(const std::string& customer, const std::string& date);
    int64_t AddLine(int64_t incidentId, const std::string& date, const std::string& observation);
    // False when the line does not belong to the incident.
    bool UpdateLine(int64_t incidentId, int64_t lineId, const std::string& observation);

    // What the support operator does.
    void Assign(int64_t id, const std::string& operatorName, const std::string& group);
    void SetState(int64_t id, int64_t state);

    // Every request received, so that a test can tell what arrived and how often.
    void RecordRequest(const std::string& function, const std::string& document);
    // Those of one function (all when empty), oldest first.
    std::vector<ReceivedRequest> Requests(const std::string& function = {});

    std::string Setting(const std::string& key);
    void SetSetting(const std::string& key, const std::string& value);

private:
    class Statement;
    void Execute(const char* sql);
    std::vector<IncidentLine> LinesOf(int64_t id);
    std::optional<Incident> FindOne(const char* where, int64_t value);

    sqlite3* db = nullptr;
};

// The current local time as "YYYY-MM-DD hh:mm:ss".
std::string NowText();

} // namespace support_service
