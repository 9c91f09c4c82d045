#pragma once

#include "app/Context.h"
#include "app/SessionState.h"

#include <string>
#include <string_view>

namespace service {

// Open-incident fields back to "no open incident": ids -1, date 0, texts empty.
void ClearOpenIncident(app::SessionState& session);

// Asks the service for the customer's incidents in progress and keeps the first one in
// the open-incident fields when it is less than 6 clock hours old and its observation
// names this computer's agent; otherwise the fields stay cleared.
void CheckOpenIncident(app::Context& context);

// The agent ClientID an observation records on its agent line (the first line that
// starts with "TeamViewer ID = "): the digits after the marker, or the current ClientID
// when it records the agent as not detected; empty without such a line.
std::u16string IncidentAgentId(app::Context& context, std::u16string_view observation);

} // namespace service
