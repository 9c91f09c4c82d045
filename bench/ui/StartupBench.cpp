// From process start to the main window's first paint, and the resident memory then: the
// real program (terms accepted at once by a scripted user) beside a bare Qt program that
// reads the same workstation profile and shows one window, offscreen, against the local
// Firebird server (tools/firebird/start.sh). Prints the medians and their ratios.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double seconds = 0;
    double residentKb = 0;
};

std::string installation;
std::vector<Sample> programRuns, baselineRuns;

Sample RunProbe(const std::string& mode) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::string words[] = {ASR_STARTUP_PROBE, mode, installation};
    char* argv[] = {words[0].data(), words[1].data(), words[2].data(), nullptr};
    const auto started = std::chrono::steady_clock::now();
    pid_t probe = 0;
    posix_spawn(&probe, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    FILE* output = fdopen(out[0], "r");
    Sample sample;
    long kb = 0;
    if (std::fscanf(output, "painted %ld", &kb) == 1) {
        sample.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        sample.residentKb = double(kb);
    }
    std::fclose(output);
    waitpid(probe, nullptr, 0);
    return sample;
}

Sample Median(std::vector<Sample> runs) {
    if (runs.empty())
        return {};
    const size_t middle = runs.size() / 2;
    std::nth_element(runs.begin(), runs.begin() + middle, runs.end(),
                     [](auto& a, auto& b) { return a.seconds < b.seconds; });
    const double seconds = runs[middle].seconds;
    std::nth_element(runs.begin(), runs.begin() + middle, runs.end(),
                     [](auto& a, auto& b) { return a.residentKb < b.residentKb; });
    return {seconds, runs[middle].residentKb};
}

// Each round starts the baseline and then the program, so that both meet the same load.
void Startup(benchmark::State& state) {
    for (auto _ : state) {
        const Sample baseline = RunProbe("baseline");
        const Sample program = RunProbe("program");
        if (baseline.seconds == 0 || program.seconds == 0) {
            state.SkipWithError("a probe never painted its window");
            return;
        }
        state.SetIterationTime(program.seconds);
        baselineRuns.push_back(baseline);
        programRuns.push_back(program);
    }
    const Sample program = Median(programRuns), baseline = Median(baselineRuns);
    state.counters["baseline_ms"] = baseline.seconds * 1000;
    state.counters["time_ratio"] = program.seconds / baseline.seconds;
    state.counters["memory_ratio"] = program.residentKb / baseline.residentKb;
}

BENCHMARK(Startup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void PrintTable() {
    const Sample program = Median(programRuns), baseline = Median(baselineRuns);
    if (program.seconds == 0 || baseline.seconds == 0)
        return;
    std::printf("\n%-20s %14s %14s\n", "median of the runs", "first paint", "resident");
    std::printf("%-20s %11.1f ms %11.1f MB\n", "bare Qt baseline", baseline.seconds * 1000,
                baseline.residentKb / 1024);
    std::printf("%-20s %11.1f ms %11.1f MB\n", "program", program.seconds * 1000,
                program.residentKb / 1024);
    std::printf("%-20s %14.2f %14.2f   (goal: 1.3 and 1.2 at most)\n", "program / baseline",
                program.seconds / baseline.seconds, program.residentKb / baseline.residentKb);
}

} // namespace

int main(int argc, char** argv) {
    installation = "/var/tmp/asr-firebird/bench-startup";
    std::filesystem::create_directories(installation);
    for (auto path = std::filesystem::path(installation); path != "/var/tmp";
         path = path.parent_path())
        std::filesystem::permissions(path, std::filesystem::perms::all);
    if (std::system((std::string(ASR_MAKE_INSTALLATION " ") + installation).c_str()) != 0)
        return 1;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTable();
    std::filesystem::remove_all(installation);
    return 0;
}
