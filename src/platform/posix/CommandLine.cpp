#include "platform/posix/CommandLine.h"

#include <algorithm>

namespace platform::posix {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view SkipBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

// Backslashes that reach a quote: half of them stay, and an odd one escapes the quote.
void AppendBackslashRun(std::string& argument, size_t count, bool beforeQuote, bool& quoteEscaped) {
    argument.append(beforeQuote ? count / 2 : count, '\\');
    quoteEscaped = beforeQuote && count % 2 == 1;
}

ProgramCall QuotedProgram(std::string_view line) {
    size_t close = line.find('"', 1);
    if (close == std::string_view::npos)
        return {std::string(line.substr(1)), {}};
    return {std::string(line.substr(1, close - 1)), SplitArguments(line.substr(close + 1))};
}

ProgramCall UnquotedProgram(std::string_view line, const ProgramLocator& locate) {
    size_t firstEnd = std::min(line.find_first_of(" \t"), line.size());
    for (size_t blank = firstEnd;; blank = line.find_first_of(" \t", blank + 1)) {
        size_t end = std::min(blank, line.size());
        if (locate(std::string(line.substr(0, end))))
            return {std::string(line.substr(0, end)), SplitArguments(line.substr(end))};
        if (end == line.size())
            break;
    }
    return {std::string(line.substr(0, firstEnd)), SplitArguments(line.substr(firstEnd))};
}

} // namespace

std::vector<std::string> SplitArguments(std::string_view s) {
    std::vector<std::string> arguments;
    s = SkipBlanks(s);
    while (!s.empty()) {
        std::string argument;
        bool inQuotes = false;
        size_t at = 0;
        for (; at < s.size(); ++at) {
            char c = s[at];
            if (c == '\\') {
                size_t run = s.find_first_not_of('\\', at);
                run = (run == std::string_view::npos ? s.size() : run) - at;
                bool beforeQuote = at + run < s.size() && s[at + run] == '"';
                bool quoteEscaped = false;
                AppendBackslashRun(argument, run, beforeQuote, quoteEscaped);
                at += run - 1;
                if (quoteEscaped) {
                    argument += '"';
                    ++at;
                }
            } else if (c == '"') {
                if (inQuotes && at + 1 < s.size() && s[at + 1] == '"') {
                    argument += '"';
                    ++at;
                } else {
                    inQuotes = !inQuotes;
                }
            } else if (IsBlank(c) && !inQuotes) {
                break;
            } else {
                argument += c;
            }
        }
        arguments.push_back(std::move(argument));
        s = SkipBlanks(s.substr(at));
    }
    return arguments;
}

ProgramCall SplitCommandLine(std::string_view commandLine, const ProgramLocator& locate) {
    std::string_view line = SkipBlanks(commandLine);
    if (line.empty())
        return {};
    if (line.front() == '"')
        return QuotedProgram(line);
    return UnquotedProgram(line, locate);
}

} // namespace platform::posix
