// From process start to the main window's first paint, and the resident memory then: the
// real program (terms accepted at once by a scripted user) beside a bare Qt program that
// reads the same workstation profile and shows one window, offscreen, against the local
// Firebird server (tools/firebird/start.sh). Prints the medians and their ratios.
#include "StartupRuns.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    const std::string installation = "/var/tmp/asr-firebird/bench-startup";
    std::filesystem::create_directories(installation);
    for (auto path = std::filesystem::path(installation); path != "/var/tmp";
         path = path.parent_path())
        std::filesystem::permissions(path, std::filesystem::perms::all);
    if (std::system((std::string(ASR_MAKE_INSTALLATION " ") + installation).c_str()) != 0)
        return 1;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    bench::startup::RegisterStartup(
        "Startup",
        [&](const std::string& mode) {
            return bench::startup::RunProbe({ASR_STARTUP_PROBE, mode, installation});
        },
        30);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::startup::PrintTable("bare Qt baseline", "1.3 and 1.2 at most");
    std::filesystem::remove_all(installation);
    return 0;
}
