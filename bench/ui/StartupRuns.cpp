#include "StartupRuns.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench::startup {

namespace {

std::function<Sample(const std::string& mode)> startOne;
std::vector<Sample> programRuns, baselineRuns;

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

void Startup(benchmark::State& state) {
    for (auto _ : state) {
        const Sample baseline = startOne("baseline");
        const Sample program = startOne("program");
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

} // namespace

Sample RunProbe(const std::vector<std::string>& command) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> words = command;
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const auto started = std::chrono::steady_clock::now();
    pid_t probe = 0;
    const int spawned = posix_spawnp(&probe, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    Sample sample;
    pollfd ready{out[0], POLLIN, 0};
    if (spawned == 0 && poll(&ready, 1, 60'000) != 1)
        kill(probe, SIGKILL);
    FILE* output = fdopen(out[0], "r");
    long kb = 0;
    if (spawned == 0 && std::fscanf(output, "painted %ld", &kb) == 1) {
        sample.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        sample.residentKb = double(kb);
    }
    std::fclose(output);
    if (spawned == 0)
        waitpid(probe, nullptr, 0);
    return sample;
}

void RegisterStartup(const char* name, std::function<Sample(const std::string& mode)> run,
                     int rounds) {
    startOne = std::move(run);
    benchmark::RegisterBenchmark(name, Startup)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(rounds);
}

void PrintTable(const char* baselineLabel, const char* goal) {
    const Sample program = Median(programRuns), baseline = Median(baselineRuns);
    if (program.seconds == 0 || baseline.seconds == 0)
        return;
    std::printf("\n%-20s %14s %14s\n", "median of the runs", "first paint", "resident");
    std::printf("%-20s %11.1f ms %11.1f MB\n", baselineLabel, baseline.seconds * 1000,
                baseline.residentKb / 1024);
    std::printf("%-20s %11.1f ms %11.1f MB\n", "program", program.seconds * 1000,
                program.residentKb / 1024);
    std::printf("%-20s %14.2f %14.2f   (goal: %s)\n", "program / baseline",
                program.seconds / baseline.seconds, program.residentKb / baseline.residentKb, goal);
}

} // namespace bench::startup
