#include "service/OpenIncidentCheck.h"

#include "agent/AgentDiscovery.h"
#include "service/IncidentLookup.h"
#include "service/ReplyValues.h"
#include "service/RequestDocument.h"
#include "service/RequestTemplates.h"
#include "service/ServiceDates.h"
#include "service/ServiceTransport.h"

#include "json/clsJson.h"
#include <algorithm>
#include <optional>

namespace service {

namespace {

constexpr int64_t ReusableHours = 6;

std::u16string ListingUrl(const session::Context& context) {
    return ServiceUrl(
        context, FillTemplate(GetAvisosTemplate,
                              {{u"##CODIGO##", EscapeDocumentString(context.session.CustomerCode)},
                               {u"##IDTPV##", u"0"}}));
}

// The observation of the incident's first line; a missing line or observation leaves
// the fields at their reset values.
void TakeFirstLine(session::SessionState& session, const json::JsonValue& line) {
    const json::JsonValue& observation = line[u"OBSERVACION"];
    if (!line.IsDictionary() || !observation.IsDictionary())
        return;
    session.OpenIncidentObservationId = WholeNumber(observation[u"ID"]).value_or(-1);
    session.IncidentText = TextOf(observation[u"OBSERVACION"]);
    session.OpenIncidentLineId = WholeNumber(line[u"ID"]).value_or(-1);
}

// Takes the first listed incident when it is recent, and reads its first line with the
// same parser.
void TakeRecentIncident(session::Context& context, json::clsJson& parser,
                        const json::JsonValue& listed) {
    const std::optional<double> date = ParseServiceDate(TextOf(listed[u"FECHA"]));
    const std::optional<int32_t> id = WholeNumber(listed[u"ID"]);
    const std::optional<int32_t> number = WholeNumber(listed[u"NUMERO"]);
    if (!date || !id || !number || ClockHourAge(*date, context.os.Now()) >= ReusableHours)
        return;
    session::SessionState& session = context.session;
    session.OpenIncidentId = *id;
    session.OpenIncidentDate = *date;
    session.OpenIncidentNumber = TextOf(listed[u"NUMERO"]);
    const json::JsonValue incident = parser.parse(FetchIncident(context, *number));
    TakeFirstLine(session, incident[u"LINEAS"][1]);
}

} // namespace

std::optional<size_t> AgentLine(std::u16string_view observation) {
    for (size_t at = observation.find(AgentMarker); at != std::u16string_view::npos;
         at = observation.find(AgentMarker, at + 1))
        if (at == 0 || observation[at - 1] == u'\n')
            return at;
    return std::nullopt;
}

void ClearOpenIncident(session::SessionState& session) {
    session.OpenIncidentId = -1;
    session.OpenIncidentDate = 0;
    session.OpenIncidentNumber.clear();
    session.OpenIncidentLineId = -1;
    session.OpenIncidentObservationId = -1;
    session.IncidentText.clear();
}

void CheckOpenIncident(session::Context& context) {
    ClearOpenIncident(context.session);
    const std::u16string reply = FetchServiceReply(context, ListingUrl(context), true);
    if (reply.empty())
        return;
    json::clsJson parser;
    const json::JsonValue listing = parser.parse(reply);
    if (IsPositiveNumber(listing[u"SIZE"]))
        TakeRecentIncident(context, parser, listing[u"RS"][1]);
    // Only an incident filed from this computer's agent is continued.
    if (IncidentAgentId(context, context.session.IncidentText) != agent::GetAgentClientId(context))
        ClearOpenIncident(context.session);
}

std::u16string IncidentAgentId(session::Context& context, std::u16string_view observation) {
    const std::optional<size_t> line = AgentLine(observation);
    if (!line)
        return {};
    const std::u16string_view value = observation.substr(*line + AgentMarker.size());
    if (value.starts_with(agent::NotFoundText))
        return agent::GetAgentClientId(context);
    const size_t digits = std::min(value.find_first_not_of(u"0123456789"), value.size());
    return std::u16string(value.substr(0, digits));
}

} // namespace service
