#include "service/IncidentLookup.h"

#include "service/ReplyValues.h"
#include "service/RequestDocument.h"
#include "service/RequestTemplates.h"
#include "service/ServiceTransport.h"
#include "service/StatusView.h"
#include "text/Number.h"
#include "text/Text.h"

#include "json/clsJson.h"
#include <algorithm>
#include <optional>

namespace service {

namespace {

// Underscores are dropped, then the leading number is read; nothing when it does not fit
// a 32-bit number.
std::optional<int32_t> TypedNumber(std::u16string_view typedText) {
    std::u16string digits(typedText);
    std::erase(digits, u'_');
    try {
        return text::RoundToInt32(text::Val(digits));
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace

std::u16string FetchIncident(session::Context& context, int32_t number) {
    std::u16string result(NotFoundMarkup);
    try {
        const std::u16string document = FillTemplate(
            GetDocTemplate, {{u"##NUMERO##", text::FromInt(number)},
                             {u"##CODIGO##", EscapeDocumentString(context.session.CustomerCode)}});
        std::u16string reply = FetchServiceReply(context, ServiceUrl(context, document), false);
        if (!reply.empty())
            result = std::move(reply);
    } catch (...) {
        // No reply: the not-found markup stands.
    }
    return result;
}

std::u16string IncidentStatusMarkup(session::Context& context, std::u16string_view typedText) {
    const std::optional<int32_t> number = TypedNumber(typedText);
    if (!number)
        return std::u16string(NoDataMarkup);
    json::clsJson parser;
    const json::JsonValue incident = parser.parse(FetchIncident(context, *number));
    if (!HasKey(incident, u"ID"))
        return std::u16string(NoConnectionMarkup);
    if (WholeNumber(incident[u"ID"]).value_or(0) < 1)
        return std::u16string(NoDataMarkup);
    return StatusView(context, incident);
}

} // namespace service
