#include "service/IncidentFiling.h"

#include "agent/AgentDiscovery.h"
#include "service/OpenIncidentCheck.h"
#include "service/ReplyValues.h"
#include "service/RequestDocument.h"
#include "service/RequestTemplates.h"
#include "service/ServiceDates.h"
#include "service/ServiceTransport.h"
#include "text/Text.h"

#include "json/clsJson.h"
#include <algorithm>
#include <optional>

namespace service {

namespace {

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// The text on one line: each run of line breaks becomes one blank, so that the words on
// either side stay apart and nothing in the text starts a line of its own.
std::u16string OnOneLine(std::u16string_view text) {
    std::u16string line;
    line.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at)
        if (!IsLineBreak(text[at]))
            line += text[at];
        else if (at == 0 || !IsLineBreak(text[at - 1]))
            line += u' ';
    return line;
}

// The name and telephone boxes hold one line, whatever was pasted into them: a line break
// would also let a typed "TeamViewer ID = " start a line before the program's agent line.
void KeepContactOnOneLine(session::SessionState& session) {
    for (std::u16string* field : {&session.ContactName, &session.ContactPhone})
        *field = OnOneLine(*field);
}

// The profile's texts come from the shop's database, where an address holds several
// lines; here they stay on the program's lines, before its agent line.
std::u16string NewIncidentText(const session::SessionState& session) {
    std::u16string text =
        u"Cliente:" + session.CustomerCode + u" " + OnOneLine(session.CustomerName) + u"\n";
    text += u"Terminal: " + OnOneLine(session.TerminalText);
    if (session.UsesTouchScreen)
        text += u" (pantalla táctil)";
    text += u" Almacén: " + OnOneLine(session.WarehouseText) + u"\n";
    if (!session.ContactName.empty())
        text += u"Contacto: " + session.ContactName + u" ";
    if (!session.ContactPhone.empty())
        text += u"Teléfono: " + session.ContactPhone;
    text += u"\n\n";
    text += std::u16string(AgentMarker) + session.AgentClientId + u"\n";
    text += u"Incidencia: " + session.ProblemText;
    return text;
}

// The agent was not detected when the incident was filed: its agent line names the one
// running now. That line alone: the same words typed into a problem stay as typed.
void CompleteAgentLine(session::Context& context, std::u16string& observation) {
    const std::optional<size_t> line = AgentLine(observation);
    if (!line)
        return;
    const size_t value = *line + AgentMarker.size();
    if (!std::u16string_view(observation).substr(value).starts_with(agent::NotFoundText))
        return;
    const std::u16string clientId = context.session.AgentClientId.empty()
                                        ? agent::GetAgentClientId(context)
                                        : context.session.AgentClientId;
    observation.replace(value, agent::NotFoundText.size(), clientId);
}

void AppendReconnectionNote(session::Context& context) {
    session::SessionState& session = context.session;
    std::u16string& text = session.IncidentText;
    text += u"\n\nReconexión: " +
            context.os.FormatDate(context.os.Now(), platform::DateFormat::GeneralDate) + u"\n";
    if (!session.ContactName.empty())
        text += u"   Contacto: " + session.ContactName + u" ";
    if (!session.ContactPhone.empty())
        text += u"   Teléfono: " + session.ContactPhone + u"\n";
    if (!session.ProblemText.empty()) {
        CompleteAgentLine(context, text);
        text += u"   Problema: " + session.ProblemText;
    }
}

std::u16string FilingDocument(const session::SessionState& session) {
    return FillTemplate(SetDocTemplate,
                        {{u"##FECHA##", IncidentDateText(session.OpenIncidentDate)},
                         {u"##CODIGO##", EscapeDocumentString(session.CustomerCode)},
                         {u"##OBS##", EscapeDocumentString(session.IncidentText)},
                         {u"##IDMAESTRO##", text::FromInt(session.OpenIncidentId)},
                         {u"##IDLINEA##", text::FromInt(session.OpenIncidentLineId)},
                         {u"##IDOBS##", text::FromInt(session.OpenIncidentObservationId)}});
}

// The number of the filed incident: the one the service gives, or the open incident's.
std::u16string IncidentNumberOf(std::u16string_view reply, const std::u16string& openNumber) {
    if (reply.empty())
        return {};
    json::clsJson parser;
    const json::JsonValue filed = parser.parse(reply);
    if (WholeNumber(filed[u"ID"]).value_or(0) <= 0)
        return {};
    const json::JsonValue& change = filed[u"MODIFICACIONES"][1];
    return HasKey(change, u"NUMERO") ? TextOf(change[u"NUMERO"]) : openNumber;
}

} // namespace

std::u16string FileIncident(session::Context& context) {
    session::SessionState& session = context.session;
    KeepContactOnOneLine(session);
    if (session.OpenIncidentId >= 1) {
        AppendReconnectionNote(context);
    } else {
        session.IncidentText = NewIncidentText(session);
        session.OpenIncidentDate = context.os.Now();
    }
    std::erase(session.IncidentText, u'\r');
    const std::u16string reply =
        FetchServiceReply(context, ServiceUrl(context, FilingDocument(session)), true);
    return IncidentNumberOf(reply, session.OpenIncidentNumber);
}

} // namespace service
