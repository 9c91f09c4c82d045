#include "QueryHandler.h"

#include "text/Encoding.h"
#include "text/Text.h"

#include "json/Collection.h"
#include "json/clsJson.h"
#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

namespace support_service {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view ServicePath = "/VelmornServ/ServiciosJsonNoDecode";
constexpr std::u16string_view ListingSession = u"qelmarin5820364197";
constexpr std::u16string_view DocumentsKey = u"7C2A91E4-3B6F-D150-8E47-A9F03B6C2D18";

// A request the service turns down, with the status and the reason it answers.
struct Refusal {
    unsigned status;
    std::string reason;
};

int HexValue(char c) {
    return text::HexDigitValue(char16_t(static_cast<unsigned char>(c)));
}

std::u16string TextOf(const json::JsonValue& value) {
    return value.IsDictionary() || value.IsCollection() ? std::u16string() : value.AsText();
}

std::string Utf8Of(const json::JsonValue& value) {
    return text::Utf16ToUtf8(TextOf(value));
}

std::optional<int64_t> NumberOf(const json::JsonValue& value) {
    if (!value.IsNumber() && !value.IsText())
        return std::nullopt;
    try {
        return value.AsInt32();
    } catch (...) {
        return std::nullopt;
    }
}

// "DD/MM/YYYY hh:mm:ss", as the client writes dates, or "YYYY-MM-DD hh:mm:ss", as stored.
std::optional<std::string> StoredDate(const json::JsonValue& value) {
    const std::string date = Utf8Of(value);
    const auto digitsAt = [&](std::initializer_list<size_t> positions) {
        for (size_t at : positions)
            if (date[at] < '0' || date[at] > '9')
                return false;
        return true;
    };
    if (date.size() != 19 || !digitsAt({0, 1, 11, 12, 14, 15, 17, 18}))
        return std::nullopt;
    if (date[2] == '/' && date[5] == '/' && digitsAt({3, 4, 6, 7, 8, 9}))
        return date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2) +
               date.substr(10);
    if (date[4] == '-' && date[7] == '-' && digitsAt({2, 3, 5, 6, 8, 9}))
        return date;
    return std::nullopt;
}

HttpReply JsonReply(const Json& body, std::string log) {
    return {200, "application/json; charset=utf-8",
            body.dump(-1, ' ', false, Json::error_handler_t::replace), std::move(log)};
}

Json HeaderOf(const Incident& incident) {
    return {{"ID", incident.id},
            {"NUMERO", incident.number},
            {"FECHA", incident.date},
            {"ESTADO", incident.state},
            {"CLIENTE", incident.customer}};
}

Json DocumentOf(const Incident& incident) {
    Json lines = Json::array();
    for (const IncidentLine& line : incident.lines)
        lines.push_back(
            {{"ID", line.id},
             {"FECHA", line.date},
             {"OBSERVACION", {{"ID", line.observationId}, {"OBSERVACION", line.observation}}},
             {"OPERADOR", {{"DESCRIPCION", incident.operatorName}, {"GRUPO", incident.group}}}});
    Json header = HeaderOf(incident);
    header.erase("ID");
    return {{"ID", incident.id},
            {"TOTALLINEAS", incident.lines.size()},
            {"CABECERA", header},
            {"LINEAS", lines}};
}

// The fields every document of a request carries, as its template writes them: paths of
// keys, and of 1-based indexes into arrays.
constexpr std::u16string_view ListingFields[] = {
    u"SESION", u"M", u"F", u"P.CODIGO_CLIENTE", u"P.IDESTADO", u"P.IDTPV", u"P.DESDE", u"P.HASTA"};
constexpr std::u16string_view FilingFields[] = {u"UUID",
                                                u"ID",
                                                u"F",
                                                u"M",
                                                u"P.IDOPERADOR",
                                                u"P.DOCUMENTO.ID",
                                                u"P.DOCUMENTO.TIPO",
                                                u"P.DOCUMENTO.IDEMISOR",
                                                u"P.DOCUMENTO.IDRECEPTOR",
                                                u"P.DOCUMENTO.IDPRIORIDAD",
                                                u"P.DOCUMENTO.CABECERA.CLIENTE",
                                                u"P.DOCUMENTO.CABECERA.FECHA",
                                                u"P.DOCUMENTO.LINEAS.1.ID",
                                                u"P.DOCUMENTO.LINEAS.1.IDARTICULO",
                                                u"P.DOCUMENTO.LINEAS.1.OBSERVACION.ID",
                                                u"P.DOCUMENTO.LINEAS.1.OBSERVACION.OBSERVACION",
                                                u"P.DOCUMENTO.LINEAS.1.OBSERVACION.FECHA"};
constexpr std::u16string_view ReadingFields[] = {u"UUID",   u"ID",           u"F",
                                                 u"M",      u"P.IDOPERADOR", u"P.NUMERO",
                                                 u"P.TIPO", u"P.IDTPV",      u"P.CODIGO_CLIENTE"};

const json::JsonValue& At(const json::JsonValue& document, std::u16string_view path) {
    const json::JsonValue* value = &document;
    for (size_t start = 0; start <= path.size();) {
        const size_t end = std::min(path.find(u'.', start), path.size());
        const std::u16string_view step = path.substr(start, end - start);
        value = value->IsCollection() ? &(*value)[int32_t(step[0] - u'0')] : &(*value)[step];
        start = end + 1;
    }
    return *value;
}

template <size_t N>
void RequireFields(const json::JsonValue& request, const std::u16string_view (&paths)[N]) {
    for (std::u16string_view path : paths)
        if (At(request, path).IsEmpty())
            throw Refusal{400, "document without " + text::Utf16ToUtf8(path)};
}

void RequireFieldsOf(const std::u16string& function, const json::JsonValue& request) {
    if (function == u"GETAVISOS")
        RequireFields(request, ListingFields);
    else if (function == u"SETDOC")
        RequireFields(request, FilingFields);
    else if (function == u"GETDOC")
        RequireFields(request, ReadingFields);
}

HttpReply ListIncidents(IncidentStore& store, const json::JsonValue& parameters) {
    const std::string customer = Utf8Of(parameters[u"CODIGO_CLIENTE"]);
    int64_t total = 0;
    const std::vector<Incident> incidents = store.List(
        customer, NumberOf(parameters[u"IDESTADO"]), NumberOf(parameters[u"DESDE"]).value_or(1),
        NumberOf(parameters[u"HASTA"]).value_or(INT32_MAX), total);
    Json rows = Json::array();
    for (const Incident& incident : incidents)
        rows.push_back(HeaderOf(incident));
    return JsonReply({{"SIZE", total}, {"RS", rows}}, "GETAVISOS " + customer);
}

HttpReply ReadDocument(IncidentStore& store, const json::JsonValue& parameters) {
    const std::optional<int64_t> number = NumberOf(parameters[u"NUMERO"]);
    const std::optional<Incident> incident = number ? store.FindByNumber(*number) : std::nullopt;
    const std::string log = "GETDOC " + Utf8Of(parameters[u"NUMERO"]);
    if (!incident || incident->customer != Utf8Of(parameters[u"CODIGO_CLIENTE"]))
        return JsonReply({{"ID", 0}}, log + " not found");
    return JsonReply(DocumentOf(*incident), log);
}

void SaveLine(IncidentStore& store, int64_t incidentId, const json::JsonValue& line,
              const std::string& date) {
    const json::JsonValue& observation = line[u"OBSERVACION"];
    const std::string text = Utf8Of(observation[u"OBSERVACION"]);
    const int64_t lineId = NumberOf(line[u"ID"]).value_or(-1);
    if (lineId <= 0)
        store.AddLine(incidentId, StoredDate(observation[u"FECHA"]).value_or(date), text);
    else if (!store.UpdateLine(incidentId, lineId, text))
        throw Refusal{404, "no such line"};
}

HttpReply SaveDocument(IncidentStore& store, const json::JsonValue& parameters) {
    const json::JsonValue& document = parameters[u"DOCUMENTO"];
    const std::string customer = Utf8Of(document[u"CABECERA"][u"CLIENTE"]);
    const std::optional<std::string> date = StoredDate(document[u"CABECERA"][u"FECHA"]);
    const auto lines = document[u"LINEAS"].AsCollection();
    if (customer.empty() || !date || !lines)
        throw Refusal{400, "document without customer, date or lines"};
    const int64_t id = NumberOf(document[u"ID"]).value_or(-1);
    Incident incident;
    store.Atomically([&] {
        std::optional<Incident> found =
            id <= 0 ? store.Create(customer, *date) : store.FindById(id);
        if (!found || found->customer != customer)
            throw Refusal{404, "no such document"};
        incident = *found;
        for (const json::JsonValue& line : *lines)
            SaveLine(store, incident.id, line, *date);
    });
    return JsonReply({{"ID", incident.id},
                      {"MODIFICACIONES", {{{"ID", incident.id}, {"NUMERO", incident.number}}}}},
                     "SETDOC " + std::to_string(incident.number));
}

HttpReply Dispatch(IncidentStore& store, const std::u16string& function,
                   const json::JsonValue& request) {
    const bool listing = function == u"GETAVISOS";
    const json::JsonValue& credential = request[listing ? u"SESION" : u"UUID"];
    if (TextOf(credential) != (listing ? ListingSession : DocumentsKey))
        throw Refusal{403, "bad credential"};
    RequireFieldsOf(function, request);
    if (listing)
        return ListIncidents(store, request[u"P"]);
    if (function == u"GETDOC")
        return ReadDocument(store, request[u"P"]);
    if (function == u"SETDOC")
        return SaveDocument(store, request[u"P"]);
    throw Refusal{400, "unknown function"};
}

HttpReply ErrorReply(const Refusal& refusal) {
    HttpReply reply = JsonReply({{"ERROR", refusal.reason}}, refusal.reason);
    reply.status = refusal.status;
    return reply;
}

struct Fault {
    std::string kind;
    size_t bytes = 0; // the seconds of a slow reply
};

// True when the list of functions, joined by commas, names this one.
bool Names(std::string_view list, std::string_view function) {
    for (size_t start = 0; start <= list.size();) {
        const size_t end = std::min(list.find(',', start), list.size());
        if (list.substr(start, end - start) == function)
            return true;
        start = end + 1;
    }
    return false;
}

// The operator's fault when it applies to this request.
std::optional<Fault> FaultFor(IncidentStore& store, const std::u16string& function) {
    const std::string kind = store.Setting("fault");
    const std::string onlyFor = store.Setting("fault-function");
    if (kind.empty() || kind == "none" || (!onlyFor.empty() && !Names(onlyFor, Utf8Of(function))))
        return std::nullopt;
    const std::string bytes = store.Setting("fault-bytes");
    return Fault{kind, bytes.empty() ? 0 : size_t(std::stoull(bytes))};
}

// Spoils a reply whose work is done, the way broken servers and networks do.
void ApplyFault(const Fault& fault, HttpReply& reply) {
    const size_t whole = reply.body.size();
    if (fault.kind == "http500") {
        reply = {500, "text/html", "<html><body><h1>500 Internal Server Error</h1></body></html>",
                 reply.log};
    } else if (fault.kind == "truncate") {
        reply.body.resize(whole / 2);
    } else if (fault.kind == "cut") { // a whole HTTP reply whose body is cut
        reply.body.resize(std::min(fault.bytes, whole));
    } else if (fault.kind == "cut-short") { // the connection drops inside the body
        reply.body.resize(std::min(fault.bytes, whole));
        reply.announcedLength = whole;
    } else if (fault.kind == "drop") { // the connection drops before the body
        reply.body.clear();
        reply.announcedLength = whole;
    } else if (fault.kind == "hang") {
        reply.neverAnswer = true;
    } else if (fault.kind == "slow") { // a busy day: the whole reply, late
        reply.delaySeconds = unsigned(fault.bytes);
    } else if (fault.kind == "bad-byte" && reply.body.starts_with('{')) {
        // One byte that is no UTF-8, in a field the client never reads.
        reply.body.insert(1, "\"SERVIDOR\":\"\xFF\",");
    }
    reply.log += " (fault: " + fault.kind + ")";
}

} // namespace

std::string FormDecode(std::string_view query) {
    std::string decoded;
    decoded.reserve(query.size());
    for (size_t i = 0; i < query.size(); ++i) {
        const bool escape = query[i] == '%' && i + 2 < query.size() &&
                            HexValue(query[i + 1]) >= 0 && HexValue(query[i + 2]) >= 0;
        if (escape) {
            decoded += char(HexValue(query[i + 1]) * 16 + HexValue(query[i + 2]));
            i += 2;
        } else {
            decoded += query[i] == '+' ? ' ' : query[i];
        }
    }
    return decoded;
}

HttpReply HandleRequest(IncidentStore& store, std::string_view target) {
    HttpReply reply;
    try {
        const size_t mark = target.find('?');
        if (target.substr(0, mark) != ServicePath)
            throw Refusal{404, "unknown path"};
        store.SetSetting("last-request", std::string(target));
        const std::string document = FormDecode(target.substr(std::min(mark + 1, target.size())));
        json::clsJson parser;
        const json::JsonValue request = parser.parse(text::Utf8ToUtf16(document));
        const std::u16string function = TextOf(request[u"F"]);
        store.RecordRequest(Utf8Of(request[u"F"]), document);
        if (!request.IsDictionary())
            throw Refusal{400, "unreadable document"};
        reply = Dispatch(store, function, request);
        if (const std::optional<Fault> fault = FaultFor(store, function))
            ApplyFault(*fault, reply);
    } catch (const Refusal& refusal) {
        reply = ErrorReply(refusal);
    } catch (const StoreError& error) {
        reply = ErrorReply({500, std::string("database: ") + error.what()});
    } catch (...) {
        reply = ErrorReply({400, "unreadable document"});
    }
    reply.log = std::to_string(reply.status) + " " + reply.log;
    return reply;
}

std::string IncidentDocument(const Incident& incident) {
    return DocumentOf(incident).dump(2, ' ', false, Json::error_handler_t::replace);
}

} // namespace support_service
