#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

struct ProgramCall {
    std::string program;                // as written, to be located
    std::vector<std::string> arguments; // after the program
};

// Gives the full path of a program name, or nothing when there is no such program.
using ProgramLocator = std::function<std::optional<std::string>(const std::string&)>;

// The arguments of a command line after its program, split as the Windows C runtime
// splits them: blanks separate; double quotes group; 2n backslashes before a quote
// give n and the quote groups, 2n+1 give n and a literal quote; other backslashes stay;
// "" inside a group is a literal quote.
std::vector<std::string> SplitArguments(std::string_view arguments);

// A command line split into its program and arguments. A quoted program ends at its
// closing quote; an unquoted one is tried as Windows process creation tries it, with
// each further blank-separated piece added in turn until a program is found.
ProgramCall SplitCommandLine(std::string_view commandLine, const ProgramLocator& locate);

} // namespace platform::posix
