#pragma once

// What the start-up benchmarks share (asr_bench_startup for the Qt program,
// asr_bench_startup_wine for the Win32 one under Wine): the runs of a probe that prints
// "painted KB" at its first paint, their medians and ratios.
#include <functional>
#include <string>
#include <vector>

namespace bench::startup {

struct Sample {
    double seconds = 0; // zero: the probe never painted
    double residentKb = 0;
};

// Starts the command (its program found on PATH) with its output on a pipe, and times it
// from the spawn to its "painted KB" line. A probe still silent after a minute is killed.
Sample RunProbe(const std::vector<std::string>& command);

// Registers the benchmark NAME: that many rounds, each the baseline's start and then the
// program's, so that both meet the same load. RUN starts one, "baseline" or "program".
void RegisterStartup(const char* name, std::function<Sample(const std::string& mode)> run,
                     int rounds);

// The medians of the runs and their ratios, the baseline under that label, the goal after
// the ratios. Prints nothing when no round completed.
void PrintTable(const char* baselineLabel, const char* goal);

} // namespace bench::startup
