// The stand-in of the vendor's support web service, for tests and the demonstration:
//   asr_support_service PORT DATABASE [ADDRESS]
// PORT 0 takes any free port. Listens on ADDRESS (127.0.0.1 unless told otherwise),
// prints "listening on ADDRESS:PORT" and serves until SIGTERM or SIGINT.
#include "HttpServer.h"
#include "IncidentStore.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <pthread.h>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s PORT DATABASE [ADDRESS]\n", argv[0]);
        return 2;
    }
    // Blocked before the server's thread starts, so that only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    try {
        const std::string address = argc == 4 ? argv[3] : "127.0.0.1";
        const unsigned long port = std::stoul(argv[1]);
        if (port > 65535)
            throw std::out_of_range("port");
        support_service::IncidentStore store(argv[2]);
        support_service::HttpServer server(store, address, uint16_t(port));
        std::printf("listening on %s:%u\n", address.c_str(), unsigned(server.Port()));
        std::fflush(stdout);
        int received = 0;
        sigwait(&stopSignals, &received);
        std::fprintf(stderr, "stopping on signal %d\n", received);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
