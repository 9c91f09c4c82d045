#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace database {
class Connection;
}

namespace session {

// The one record of the run that every part of the program shares. Fields are in
// their declared order and all start zeroed.
struct SessionState {
    // Workstation, read once at start-up.
    std::u16string CustomerCode;
    std::u16string CustomerName;
    std::u16string TerminalText;
    std::u16string WarehouseText;
    int16_t UsesTouchScreen = 0; // 0 false, -1 true

    // The support request being made.
    std::u16string ContactName;
    std::u16string ContactPhone;
    std::u16string ProblemText;
    std::u16string AgentClientId;

    // The open incident; below 1 means there is none (0 before the first check).
    int32_t OpenIncidentId = 0;
    std::u16string OpenIncidentNumber;
    std::u16string IncidentText;
    int32_t OpenIncidentLineId = 0;
    int32_t OpenIncidentObservationId = 0;
    double OpenIncidentDate = 0; // OLE Automation date

    // Held only while the workstation profile is read.
    std::shared_ptr<database::Connection> DbConnection;
};

} // namespace session
