#include "HttpServer.h"

#include "QueryHandler.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <microhttpd.h>
#include <stdexcept>
#include <thread>

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

// How long a reply that never comes holds its connection at most.
constexpr auto NeverAnswerLimit = std::chrono::seconds(300);

// A body that stops short of the length announced: the connection then drops.
ssize_t ReadShortBody(void* body, uint64_t position, char* buffer, size_t size) {
    const auto& bytes = *static_cast<const std::string*>(body);
    if (position >= bytes.size())
        return MHD_CONTENT_READER_END_WITH_ERROR;
    const size_t count = std::min(size, bytes.size() - size_t(position));
    std::memcpy(buffer, bytes.data() + position, count);
    return ssize_t(count);
}

void FreeShortBody(void* body) {
    delete static_cast<std::string*>(body);
}

MHD_Response* ResponseFor(const HttpReply& reply) {
    if (reply.announcedLength)
        return MHD_create_response_from_callback(*reply.announcedLength, 4096, &ReadShortBody,
                                                 new std::string(reply.body), &FreeShortBody);
    return MHD_create_response_from_buffer(reply.body.size(), const_cast<char*>(reply.body.data()),
                                           MHD_RESPMEM_MUST_COPY);
}

// Holds the connection without a word for that long: false when the server stops first.
bool Hold(std::chrono::seconds duration, const std::atomic<bool>& stopping) {
    const auto until = std::chrono::steady_clock::now() + duration;
    while (!stopping && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return !stopping;
}

MHD_Result Answer(MHD_Connection* connection, const HttpReply& reply) {
    MHD_Response* response = ResponseFor(reply);
    if (!response)
        return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, reply.contentType.c_str());
    const MHD_Result queued = MHD_queue_response(connection, reply.status, response);
    MHD_destroy_response(response);
    return queued;
}

MHD_Result HandleConnection(void* server, MHD_Connection* connection, const char*,
                            const char* method, const char*, const char*, size_t*,
                            void** requestContext) {
    auto& shared = *static_cast<HttpServer::Shared*>(server);
    const auto* target = static_cast<const std::string*>(*requestContext);
    if (std::strcmp(method, MHD_HTTP_METHOD_GET) != 0 || !target)
        return Answer(connection, {405, "text/plain", "GET only\n", ""});
    HttpReply reply;
    {
        // Each connection has its thread; the store takes one request at a time.
        const std::lock_guard<std::mutex> lock(shared.storeLock);
        reply = HandleRequest(shared.store, *target);
    }
    std::fprintf(stderr, "%s\n", reply.log.c_str());
    if (reply.neverAnswer) {
        Hold(NeverAnswerLimit, shared.stopping);
        return MHD_NO;
    }
    if (!Hold(std::chrono::seconds(reply.delaySeconds), shared.stopping))
        return MHD_NO;
    return Answer(connection, reply);
}

} // namespace

HttpServer::HttpServer(IncidentStore& store, const std::string& address, uint16_t port)
    : shared{store} {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &socketAddress.sin_addr) != 1)
        throw std::runtime_error("not an IPv4 address: " + address);
    daemon = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_THREAD_PER_CONNECTION | MHD_USE_ERROR_LOG, port,
        nullptr, nullptr, &HandleConnection, &shared, MHD_OPTION_SOCK_ADDR, &socketAddress,
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, ConnectionMemory, MHD_OPTION_CONNECTION_TIMEOUT,
        ConnectionTimeoutSeconds, MHD_OPTION_URI_LOG_CALLBACK, &KeepRawTarget, nullptr,
        MHD_OPTION_NOTIFY_COMPLETED, &ForgetRawTarget, nullptr, MHD_OPTION_END);
    if (!daemon)
        throw std::runtime_error("cannot listen on " + address + ":" + std::to_string(port));
}

HttpServer::~HttpServer() {
    shared.stopping = true;
    MHD_stop_daemon(daemon);
}

uint16_t HttpServer::Port() const {
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_BIND_PORT);
    return info ? info->port : 0;
}

} // namespace support_service
