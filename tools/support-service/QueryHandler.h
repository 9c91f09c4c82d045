#pragma once

#include "IncidentStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace support_service {

struct HttpReply {
    unsigned status = 200;
    std::string contentType = "application/json; charset=utf-8";
    std::string body;
    std::string log; // one line saying what was asked and what came of it
    // Faults of the connection: a length announced beyond the body (the connection then
    // drops after the body), a reply that never comes, or one that comes whole but late.
    std::optional<size_t> announcedLength = std::nullopt;
    bool neverAnswer = false;
    unsigned delaySeconds = 0;
};

// The query text as a form-decoding web server reads it, once: "%XX" escapes become
// their bytes and "+" a blank. A "%" that starts no escape stays as it is.
std::string FormDecode(std::string_view query);

// The reply to one raw request target, such as
// "/VelmornServ/ServiciosJsonNoDecode?%7B'SESION':...". Never throws: a bad path,
// document or credential, or a document that lacks a field its request always carries,
// gets a JSON error reply. Every request on the service path is recorded as decoded, and
// its raw target kept as the setting "last-request". The operator's fault, when one is
// switched on (settings "fault", "fault-bytes", "fault-function": one function or several
// joined by commas), spoils the reply after the work is done.
HttpReply HandleRequest(IncidentStore& store, std::string_view target);

// The incident as GETDOC gives it.
std::string IncidentDocument(const Incident& incident);

} // namespace support_service
