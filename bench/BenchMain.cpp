#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Runs every benchmark, then prints the parsers' throughput side by side with the ratio
// of clsJson to each peer.

namespace {

class ThroughputRecorder : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto bytes = run.counters.find("bytes_per_second");
            if (!run.error_occurred && bytes != run.counters.end() &&
                run.run_type == Run::RT_Iteration) {
                megabytesPerSecond[run.benchmark_name()] = bytes->second.value / 1e6;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double Rate(const std::string& parser, const std::string& input) const {
        const auto found = megabytesPerSecond.find(parser + "/" + input);
        return found == megabytesPerSecond.end() ? 0.0 : found->second;
    }

private:
    std::map<std::string, double> megabytesPerSecond;
};

double Ratio(double a, double b) {
    return b > 0 ? a / b : 0.0;
}

void PrintSummary(const ThroughputRecorder& recorder) {
    std::printf("\nJSON parse throughput (MB/s of UTF-8 input) and clsJson/peer ratios\n");
    std::printf("%-11s %9s %15s %9s %10s %12s %13s %18s\n", "input", "clsJson", "clsJson+decode",
                "nlohmann", "RapidJSON", "cls/nlohmann", "cls/RapidJSON", "cls+dec/nlohmann");
    for (const char* input : {"reply300KB", "reply10MB"}) {
        const double cls = recorder.Rate("clsJson", input);
        const double decode = recorder.Rate("clsJson+decode", input);
        const double nlohmann = recorder.Rate("nlohmann", input);
        const double rapid = recorder.Rate("RapidJSON", input);
        if (cls == 0.0 && nlohmann == 0.0) {
            continue; // filtered out
        }
        std::printf("%-11s %9.1f %15.1f %9.1f %10.1f %12.2f %13.2f %18.2f\n", input, cls, decode,
                    nlohmann, rapid, Ratio(cls, nlohmann), Ratio(cls, rapid),
                    Ratio(decode, nlohmann));
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ThroughputRecorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    PrintSummary(recorder);
    benchmark::Shutdown();
    return 0;
}
