// The support road on loopback, with the real wget and the stand-in service: a check that
// finds no open incident followed by a filing (2 requests), and a check that reuses an
// incident, reads its document and files the reconnection (3 requests). The time reported
// is the wall time beyond the 100 ms sleeps of the polls (starting wget, the fetch, the
// file read, the parsing, the event handling); the counters give it per request, with the
// polls per request.
#include "StandIn.h"
#include "service/IncidentFiling.h"
#include "service/OpenIncidentCheck.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Times the sleeps; each poll of a wait sleeps once.
class MeasuringOs : public service::test_support::FixedClockOs {
public:
    using FixedClockOs::FixedClockOs;
    void Sleep(uint32_t milliseconds) override {
        const Clock::time_point start = Clock::now();
        FixedClockOs::Sleep(milliseconds);
        slept += Clock::now() - start;
        ++polls;
    }
    Clock::duration slept{};
    int64_t polls = 0;
};

struct Road : service::test_support::StandIn {
    Road() { session.AgentClientId = u"987654321"; }

    // Runs one support request and reports what it cost beyond the sleeps.
    template <typename Work> void Measure(benchmark::State& state, int requests, Work work) {
        int64_t iterations = 0;
        double beyondSeconds = 0;
        for (auto _ : state) {
            measuring.slept = {};
            const Clock::time_point start = Clock::now();
            work();
            const auto beyond = Clock::now() - start - measuring.slept;
            state.SetIterationTime(std::chrono::duration<double>(beyond).count());
            beyondSeconds += std::chrono::duration<double>(beyond).count();
            ++iterations;
        }
        const double perRequest = double(iterations * requests);
        state.counters["polls/request"] = double(measuring.polls) / perRequest;
        state.counters["ms_beyond/request"] = 1000 * beyondSeconds / perRequest;
    }

    MeasuringOs measuring{folder / "registry.reg", false};
    session::Context measured{measuring, dialogs, events, session, context.config};
};

void NewIncident(benchmark::State& state) {
    Road road;
    int64_t customer = 0;
    road.Measure(state, 2, [&] {
        road.session.CustomerCode = u"B" + text::Utf8ToUtf16(std::to_string(++customer));
        service::CheckOpenIncident(road.measured);
        service::FileIncident(road.measured);
    });
}

void Reconnection(benchmark::State& state) {
    Road road;
    road.session.CustomerCode = u"R1";
    service::ClearOpenIncident(road.session);
    service::FileIncident(road.measured);
    road.Measure(state, 3, [&] {
        service::CheckOpenIncident(road.measured);
        service::FileIncident(road.measured);
    });
}

BENCHMARK(NewIncident)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(Reconnection)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
