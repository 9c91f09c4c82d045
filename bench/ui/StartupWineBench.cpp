// The Windows program's start-up under Wine: from process start to the first paint of its
// terms window, and the working set then, beside a bare Win32 program that shows one window
// of the main window's size (asr_startup_probe_win32, built by the Windows presets). Under
// Wine there is no Windows Firebird client, so the profile read after the terms would only
// fall back: the run ends at the terms window, before it. One wineserver, kept running,
// serves every run, in a prefix of the benchmark's own beside the tests'.
//   asr_bench_startup_wine [WINDOWS_BUILD_DIR] [--benchmark_...]   (build/windows)
#include "StartupRuns.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path wineTools = ASR_SOURCE_DIR "/tools/wine";

int Run(const std::string& script, const fs::path& folder) {
    return std::system(
        ("'" + (wineTools / script).string() + "' '" + folder.string() + "'").c_str());
}

// The Wine environment env.sh gives that folder, taken into this process so that each run
// starts wine itself and no shell.
bool TakeWineEnvironment(const fs::path& folder) {
    const std::string command = "bash -c 'source \"$0\" \"$1\" >/dev/null && env -0' '" +
                                (wineTools / "env.sh").string() + "' '" + folder.string() + "'";
    FILE* output = popen(command.c_str(), "r");
    if (!output)
        return false;
    std::string variable;
    for (int c; (c = std::fgetc(output)) != EOF;) {
        if (c != '\0') {
            variable += char(c);
            continue;
        }
        if (const size_t equals = variable.find('='); equals != std::string::npos)
            setenv(variable.substr(0, equals).c_str(), variable.substr(equals + 1).c_str(), 1);
        variable.clear();
    }
    return pclose(output) == 0;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const fs::path build = fs::absolute(argc > 1 ? argv[1] : ASR_SOURCE_DIR "/build/windows");
    const fs::path probe = build / "bench/ui/win32/asr_startup_probe_win32.exe";
    if (!fs::exists(probe)) {
        std::fprintf(stderr, "no %s: build the Windows preset first\n", probe.c_str());
        return 1;
    }
    const fs::path folder = build / "bench-startup";
    fs::create_directories(folder);
    if (!TakeWineEnvironment(folder))
        return 1;
    // The prefix stays for the next run: making it takes longer than the benchmark.
    const fs::path prefix = std::getenv("WINEPREFIX");
    if (!fs::exists(prefix / "system.reg") && Run("new-prefix.sh", folder) != 0)
        return 1;
    // A server left by an interrupted run would keep the new one from starting.
    Run("stop-server.sh", folder);
    if (Run("start-server.sh", folder) != 0)
        return 1;
    // The installation as the end-to-end test makes it; nothing of it is read before the
    // terms.
    fs::create_directories(prefix / "drive_c/Velmorn3/Wget");
    std::ofstream(prefix / "drive_c/Velmorn3/Velmorn3.ini", std::ios::binary)
        << "[INICIO]\r\nSERVIDOR=127.0.0.1\r\n";

    bench::startup::RegisterStartup(
        "StartupUnderWine",
        [&](const std::string& mode) {
            return bench::startup::RunProbe({"wine", probe.string(), mode, "C:\\Velmorn3"});
        },
        15);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Run("stop-server.sh", folder);
    bench::startup::PrintTable("bare Win32 baseline", "1.3 at most for the time");
    return 0;
}
