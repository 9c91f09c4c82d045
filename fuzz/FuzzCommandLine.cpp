// Any command line split the way the Windows C runtime and process creation split it.
#include "platform/posix/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    size_t characters = 0;
    for (const std::string& argument : platform::posix::SplitArguments(line))
        characters += argument.size();
    if (characters > line.size())
        __builtin_trap(); // splitting never adds characters
    // Programs "exist" when their name ends in "e", so that blanks inside names are tried.
    const auto call = platform::posix::SplitCommandLine(
        line, [](const std::string& name) -> std::optional<std::string> {
            if (!name.empty() && name.back() == 'e')
                return name;
            return std::nullopt;
        });
    if (call.program.size() > line.size())
        __builtin_trap();
    return 0;
}
