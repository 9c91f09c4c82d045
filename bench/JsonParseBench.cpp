#include "JsonReplies.h"
#include "text/Encoding.h"

#include "json/clsJson.h"
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <rapidjson/document.h>
#include <string>

// The same replies through clsJson and two common parsers. clsJson reads UTF-16 text, the
// others UTF-8 bytes: throughput is always counted on the UTF-8 size, and clsJson is also
// measured with the decoding that turns the reply file into its input.

namespace {

struct Input {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

Input MakeInput(const char* name, std::string utf8) {
    std::u16string utf16 = text::Utf8ToUtf16(utf8);
    return {name, std::move(utf8), std::move(utf16)};
}

const Input& Reply300K() {
    static const Input input = MakeInput("reply300KB", bench::IncidentReply(1000));
    return input;
}

const Input& Reply10M() {
    static const Input input = MakeInput("reply10MB", bench::IncidentReplyOfSize(10 * 1024 * 1024));
    return input;
}

void CountBytes(benchmark::State& state, const Input& input) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(input.utf8.size()));
    state.counters["input_bytes"] = double(input.utf8.size());
}

void ClsJsonParse(benchmark::State& state, const Input& input) {
    json::clsJson parser;
    for (auto _ : state) {
        json::JsonValue reply = parser.parse(input.utf16);
        benchmark::DoNotOptimize(reply);
    }
    if (!parser.GetParserErrors().empty()) {
        state.SkipWithError("clsJson reported errors");
    }
    CountBytes(state, input);
}

void ClsJsonDecodeAndParse(benchmark::State& state, const Input& input) {
    json::clsJson parser;
    for (auto _ : state) {
        json::JsonValue reply = parser.parse(text::Utf8ToUtf16(input.utf8));
        benchmark::DoNotOptimize(reply);
    }
    CountBytes(state, input);
}

void NlohmannParse(benchmark::State& state, const Input& input) {
    for (auto _ : state) {
        nlohmann::json reply = nlohmann::json::parse(input.utf8, nullptr, true, true);
        benchmark::DoNotOptimize(reply);
    }
    CountBytes(state, input);
}

void RapidJsonParse(benchmark::State& state, const Input& input) {
    for (auto _ : state) {
        rapidjson::Document reply;
        reply.Parse<rapidjson::kParseCommentsFlag>(input.utf8.data(), input.utf8.size());
        if (reply.HasParseError()) {
            state.SkipWithError("RapidJSON reported errors");
            break;
        }
        benchmark::DoNotOptimize(reply);
    }
    CountBytes(state, input);
}

void RegisterFor(const Input& (*input)()) {
    const std::string name = input().name;
    const auto add = [&](const char* parser, void (*run)(benchmark::State&, const Input&)) {
        benchmark::RegisterBenchmark((std::string(parser) + "/" + name).c_str(),
                                     [input, run](benchmark::State& s) { run(s, input()); })
            ->Unit(benchmark::kMillisecond);
    };
    add("clsJson", ClsJsonParse);
    add("clsJson+decode", ClsJsonDecodeAndParse);
    add("nlohmann", NlohmannParse);
    add("RapidJSON", RapidJsonParse);
}

const bool registered = [] {
    RegisterFor(Reply300K);
    RegisterFor(Reply10M);
    return true;
}();

} // namespace
