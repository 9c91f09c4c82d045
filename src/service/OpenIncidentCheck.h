#pragma once

#include "session/Context.h"
#include "session/SessionState.h"

#include <optional>
#include <string>
#include <string_view>

namespace service {

// What starts the agent line the program writes into a new incident's observation.
inline constexpr std::u16string_view AgentMarker = u"TeamViewer ID = ";

// Where the observation's agent line starts: the first line that starts with the marker.
// Nothing before it starts a line of its own (the contact's and the profile's texts are
// kept on one line), so a marker typed by the user, or held in the shop's database,
// cannot decide whose incident it is.
std::optional<size_t> AgentLine(std::u16string_view observation);

// Open-incident fields back to "no open incident": ids -1, date 0, texts empty.
void ClearOpenIncident(session::SessionState& session);

// Asks the service for the customer's incidents in progress and keeps the first one in
// the open-incident fields when it is less than 6 clock hours old and its observation
// names this computer's agent; otherwise the fields stay cleared.
void CheckOpenIncident(session::Context& context);

// The agent ClientID an observation records on its agent line (the first line that
// starts with "TeamViewer ID = "): the digits after the marker, or the current ClientID
// when it records the agent as not detected; empty without such a line.
std::u16string IncidentAgentId(session::Context& context, std::u16string_view observation);

} // namespace service
