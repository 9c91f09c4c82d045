#include "text/cStringBuilder.h"

#include <benchmark/benchmark.h>
#include <string>

// Appends to a cStringBuilder against the same appends to a plain std::u16string: the
// builder grows by fixed chunks, the standard string by doubling.

namespace {

constexpr int64_t PieceLength = 2048; // 4 KB of UTF-16

void ReportThroughput(benchmark::State& state, int64_t characters) {
    state.SetItemsProcessed(state.iterations() * characters);
    state.SetBytesProcessed(state.iterations() * characters * 2);
}

void BM_BuilderAppendChar(benchmark::State& state) {
    const int64_t characters = state.range(0);
    for (auto _ : state) {
        text::cStringBuilder builder;
        for (int64_t i = 0; i < characters; ++i) {
            builder.Append(char16_t(u'a' + i % 26));
        }
        benchmark::DoNotOptimize(builder.View().data());
    }
    ReportThroughput(state, characters);
}

void BM_U16StringAppendChar(benchmark::State& state) {
    const int64_t characters = state.range(0);
    for (auto _ : state) {
        std::u16string text;
        for (int64_t i = 0; i < characters; ++i) {
            text.push_back(char16_t(u'a' + i % 26));
        }
        benchmark::DoNotOptimize(text.data());
    }
    ReportThroughput(state, characters);
}

void BM_BuilderAppend4KB(benchmark::State& state) {
    const int64_t pieces = state.range(0);
    const std::u16string piece(PieceLength, u'x');
    for (auto _ : state) {
        text::cStringBuilder builder;
        for (int64_t i = 0; i < pieces; ++i) {
            builder.Append(piece);
        }
        benchmark::DoNotOptimize(builder.View().data());
    }
    ReportThroughput(state, pieces * PieceLength);
}

void BM_U16StringAppend4KB(benchmark::State& state) {
    const int64_t pieces = state.range(0);
    const std::u16string piece(PieceLength, u'x');
    for (auto _ : state) {
        std::u16string text;
        for (int64_t i = 0; i < pieces; ++i) {
            text.append(piece);
        }
        benchmark::DoNotOptimize(text.data());
    }
    ReportThroughput(state, pieces * PieceLength);
}

} // namespace

// A typical JSON string value, then a whole 2 MB response file.
BENCHMARK(BM_BuilderAppendChar)->Arg(64)->Arg(1 << 20);
BENCHMARK(BM_U16StringAppendChar)->Arg(64)->Arg(1 << 20);
BENCHMARK(BM_BuilderAppend4KB)->Arg(4)->Arg(512);
BENCHMARK(BM_U16StringAppend4KB)->Arg(4)->Arg(512);
