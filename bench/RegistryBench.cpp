// The agent's three registry reads (ClientID, Version, InstallationDirectory) from a 3 MB
// export file on the Linux backend, each read opening its key, as one program run makes
// them; beside them one parse of the same file, the unit those reads cost.
#include "agent/ClsRegistro.h"
#include "platform/posix/PosixOs.h"
#include "platform/posix/RegistryFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::u16string AgentKey = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer\\";

// A full export as regedit writes it, UTF-16LE with its mark: class registrations with
// a string, a number and some bytes each, the agent's key last.
std::string ExportBytes() {
    std::u16string text = u"Windows Registry Editor Version 5.00\r\n\r\n";
    for (int i = 0; text.size() < 1'500'000; ++i) {
        char key[160];
        std::snprintf(key, sizeof key,
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\CLSID\\{%08X-1234-5678-9ABC-"
                      "DEF012345678}\\InprocServer32]\r\n@=\"C:\\\\Windows\\\\System32\\\\"
                      "component%d.dll\"\r\n",
                      i, i);
        for (const char* c = key; *c; ++c)
            text += char16_t(*c);
        text += u"\"ThreadingModel\"=\"Both\"\r\n\"Flags\"=dword:00000010\r\n"
                u"\"Data\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10\r\n\r\n";
    }
    text += u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer]\r\n"
            u"\"ClientID\"=dword:3ade68b1\r\n\"Version\"=\"15.48.4\"\r\n"
            u"\"InstallationDirectory\"=\"C:\\\\Program Files (x86)\\\\TeamViewer\"\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return bytes;
}

const std::string& ExportPath() {
    static const std::string path = [] {
        auto file = std::filesystem::temp_directory_path() / "asr-bench-registry.reg";
        std::ofstream(file, std::ios::binary) << ExportBytes();
        return file.string();
    }();
    return path;
}

void ThreeReadsOfA3MbExport(benchmark::State& state) {
    for (auto _ : state) {
        auto os =
            std::make_unique<platform::posix::PosixOs>(ExportPath(), true); // a new program run
        for (const char16_t* value : {u"ClientID", u"Version", u"InstallationDirectory"})
            if (agent::ClsRegistro(*os).ReadRegKey(AgentKey, value).empty())
                state.SkipWithError("a value was not read");
    }
    state.counters["file_MB"] = double(std::filesystem::file_size(ExportPath())) / 1e6;
}
BENCHMARK(ThreeReadsOfA3MbExport)->Unit(benchmark::kMillisecond);

// Three more in the same run, once the file has been read.
void ThreeLaterReadsOfA3MbExport(benchmark::State& state) {
    auto os = std::make_unique<platform::posix::PosixOs>(ExportPath(), true);
    agent::ClsRegistro(*os).ReadRegKey(AgentKey, u"Version");
    for (auto _ : state)
        for (const char16_t* value : {u"ClientID", u"Version", u"InstallationDirectory"})
            if (agent::ClsRegistro(*os).ReadRegKey(AgentKey, value).empty())
                state.SkipWithError("a value was not read");
}
BENCHMARK(ThreeLaterReadsOfA3MbExport)->Unit(benchmark::kMillisecond);

void OneParseOfA3MbExport(benchmark::State& state) {
    const std::string bytes = ExportBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::posix::RegistryFile::Parse(bytes));
}
BENCHMARK(OneParseOfA3MbExport)->Unit(benchmark::kMillisecond);

} // namespace
