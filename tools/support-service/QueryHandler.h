#pragma once

#include "IncidentStore.h"

#include <string>
#include <string_view>

namespace support_service {

struct HttpReply {
    unsigned status = 200;
    std::string contentType = "application/json; charset=utf-8";
    std::string body;
    std::string log; // one line saying what was asked and what came of it
};

// The query text as a form-decoding web server reads it, once: "%XX" escapes become
// their bytes and "+" a blank. A "%" that starts no escape stays as it is.
std::string FormDecode(std::string_view query);

// The reply to one raw request target, such as
// "/VelmornServ/ServiciosJsonNoDecode?%7B'SESION':...". Never throws: a bad path,
// document or credential gets a JSON error reply. The target of the last request on the
// service path is kept as the setting "last-request".
HttpReply HandleRequest(IncidentStore& store, std::string_view target);

// The incident as GETDOC gives it.
std::string IncidentDocument(const Incident& incident);

} // namespace support_service
