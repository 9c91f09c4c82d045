#include "IncidentStore.h"
#include "QueryHandler.h"
#include "text/Encoding.h"

#include "json/clsJson.h"
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Any request target through the stand-in service's query handler, on a database kept in
// memory, started afresh every 1000 inputs so that incidents do not pile up and slow the
// run. An input that does not start with "/" is taken as the query of the service path.
// Every reply must be a JSON object.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<support_service::IncidentStore> store;
    static int inputs = 0;
    if (inputs++ % 1000 == 0)
        store = std::make_unique<support_service::IncidentStore>(":memory:");
    std::string target(reinterpret_cast<const char*>(data), size);
    if (target.empty() || target[0] != '/')
        target.insert(0, "/VelmornServ/ServiciosJsonNoDecode?");
    const support_service::HttpReply reply = support_service::HandleRequest(*store, target);
    json::clsJson parser;
    const json::JsonValue body = parser.parse(text::Utf8ToUtf16(reply.body));
    if (!body.IsDictionary() || reply.log.empty())
        __builtin_trap();
    return 0;
}
