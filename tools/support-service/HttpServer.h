#pragma once

#include "IncidentStore.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

struct MHD_Daemon;

namespace support_service {

// The service over HTTP on one address, answering every GET with HandleRequest on the
// raw request target. Request lines of several hundred kilobytes are accepted (the fetch
// tool writes each byte from 0x80 up as three characters). Each connection has its own
// thread, so that a reply held back by a fault holds back no other. Stops when destroyed.
class HttpServer {
public:
    // Port 0 takes any free port. Throws std::runtime_error when it cannot listen.
    HttpServer(IncidentStore& store, const std::string& address, uint16_t port);
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;
    ~HttpServer();

    uint16_t Port() const;

    // What the connections' threads share.
    struct Shared {
        IncidentStore& store;
        std::mutex storeLock{};
        std::atomic<bool> stopping = false;
    };

private:
    Shared shared;
    MHD_Daemon* daemon = nullptr;
};

} // namespace support_service
