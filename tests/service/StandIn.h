#pragma once

#include "FakeOs.h"
#include "IncidentStore.h"
#include "ScratchFolder.h"
#include "platform/posix/PosixOs.h"
#include "session/Context.h"
#include "text/Encoding.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// The stand-in support service with the real wget, for the road tests and the road's
// benchmark.
namespace service::test_support {

// The Linux backend with the clock stopped (at 09/12/2025 12:00 unless moved) and, when
// asked, polls of 1 ms instead of 100, so that the poll limit comes within seconds.
class FixedClockOs : public platform::posix::PosixOs {
public:
    using PosixOs::PosixOs;
    double Now() override { return now; }
    void Sleep(uint32_t milliseconds) override { PosixOs::Sleep(shortPolls ? 1 : milliseconds); }

    double now = 46000.5;
    bool shortPolls = false;
};

// A test installation whose fetch tool is the real wget, with the agent 987654321, and a
// context on them. Each has its own response file, so that several can ask at once.
struct Workstation : fixtures::ScratchFolder {
    Workstation() {
        Write("Velmorn3/Wget/Wget.exe", "#!/bin/sh\nexec wget -q \"$@\"\n");
        std::filesystem::permissions(folder / "Velmorn3/Wget/Wget.exe",
                                     std::filesystem::perms::owner_all);
        Write("registry.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\TeamViewer]"
                              "\r\n\"ClientID\"=dword:3ade68b1\r\n"); // 987654321
    }

    FixedClockOs os{folder / "registry.reg", false};
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os,
                             dialogs,
                             events,
                             session,
                             {text::Utf8ToUtf16((folder / "Velmorn3").string()), u'/', u"", u""}};
};

// A workstation with the stand-in service on a free port of 127.0.0.1, a fresh database
// (its log in service.log), as the context's service host.
struct StandIn : Workstation {
    StandIn() { Start(); }
    ~StandIn() { Stop(); }

    void Start() {
        int out[2];
        pipe(out);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (folder / "service.log").c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0600);
        std::string words[] = {ASR_SUPPORT_SERVICE, "0", database};
        char* argv[] = {words[0].data(), words[1].data(), words[2].data(), nullptr};
        posix_spawn(&service, argv[0], &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        FILE* output = fdopen(out[0], "r");
        unsigned port = 0;
        if (std::fscanf(output, "listening on 127.0.0.1:%u", &port) == 1)
            context.config.serviceHost = u"127.0.0.1:" + text::Utf8ToUtf16(std::to_string(port));
        std::fclose(output);
    }
    void Stop() {
        if (service > 0 && kill(service, SIGTERM) == 0)
            waitpid(service, nullptr, 0);
        service = 0;
    }
    // The support operator's tool on the service's database: its exit status.
    int Operator(const std::string& words) const {
        return std::system((ASR_SUPPORT_ADMIN " " + database + " " + words).c_str());
    }
    // The requests of one function the service received, oldest first.
    std::vector<support_service::ReceivedRequest> Received(const std::string& function) const {
        return support_service::IncidentStore(database).Requests(function);
    }
    // How many incidents the service holds for the customer, in any state.
    int64_t IncidentsOf(const std::u16string& customer) const {
        int64_t total = 0;
        support_service::IncidentStore(database).List(text::Utf16ToUtf8(customer), std::nullopt, 1,
                                                      1, total);
        return total;
    }

    std::string database = folder / "incidents.db";
    pid_t service = 0;
};

} // namespace service::test_support
