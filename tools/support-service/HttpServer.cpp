#include "HttpServer.h"

#include "QueryHandler.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <microhttpd.h>
#include <stdexcept>

namespace support_service {

namespace {

// Room for the request line and headers of one connection.
constexpr size_t ConnectionMemory = 4 * 1024 * 1024;
constexpr unsigned ConnectionTimeoutSeconds = 30;

// The handler's url argument is the path alone, already decoded: keep the raw target.
void* KeepRawTarget(void*, const char* uri, MHD_Connection*) {
    return new std::string(uri);
}

void ForgetRawTarget(void*, MHD_Connection*, void** requestContext, MHD_RequestTerminationCode) {
    delete static_cast<std::string*>(*requestContext);
    *requestContext = nullptr;
}

MHD_Result Answer(MHD_Connection* connection, const HttpReply& reply) {
    MHD_Response* response = MHD_create_response_from_buffer(
        reply.body.size(), const_cast<char*>(reply.body.data()), MHD_RESPMEM_MUST_COPY);
    if (!response)
        return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, reply.contentType.c_str());
    const MHD_Result queued = MHD_queue_response(connection, reply.status, response);
    MHD_destroy_response(response);
    return queued;
}

MHD_Result HandleConnection(void* serverStore, MHD_Connection* connection, const char*,
                            const char* method, const char*, const char*, size_t*,
                            void** requestContext) {
    const auto* target = static_cast<const std::string*>(*requestContext);
    if (std::strcmp(method, MHD_HTTP_METHOD_GET) != 0 || !target)
        return Answer(connection, {405, "text/plain", "GET only\n", ""});
    const HttpReply reply = HandleRequest(*static_cast<IncidentStore*>(serverStore), *target);
    std::fprintf(stderr, "%s\n", reply.log.c_str());
    return Answer(connection, reply);
}

} // namespace

HttpServer::HttpServer(IncidentStore& store, const std::string& address, uint16_t port)
    : store(store) {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &socketAddress.sin_addr) != 1)
        throw std::runtime_error("not an IPv4 address: " + address);
    daemon = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_ERROR_LOG, port, nullptr, nullptr,
        &HandleConnection, &store, MHD_OPTION_SOCK_ADDR, &socketAddress,
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, ConnectionMemory, MHD_OPTION_CONNECTION_TIMEOUT,
        ConnectionTimeoutSeconds, MHD_OPTION_URI_LOG_CALLBACK, &KeepRawTarget, nullptr,
        MHD_OPTION_NOTIFY_COMPLETED, &ForgetRawTarget, nullptr, MHD_OPTION_END);
    if (!daemon)
        throw std::runtime_error("cannot listen on " + address + ":" + std::to_string(port));
}

HttpServer::~HttpServer() {
    MHD_stop_daemon(daemon);
}

uint16_t HttpServer::Port() const {
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_BIND_PORT);
    return info ? info->port : 0;
}

} // namespace support_service
