#include "platform/posix/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::posix;
using Arguments = std::vector<std::string>;

// What SystemProcessesTest's recorded command line leaves out: blanks, quotes inside a
// word, an unclosed quote and nothing at all.
TEST(SplitArguments, FollowsTheWindowsRuntimeRules) {
    const std::pair<std::string, Arguments> cases[] = {
        {"", {}},
        {"  a\t b  ", {"a", "b"}},
        {"a\"b c\"d", {"ab cd"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"\"open", {"open"}},
    };
    for (const auto& [line, arguments] : cases)
        EXPECT_EQ(SplitArguments(line), arguments) << line;
}

TEST(SplitCommandLine, FindsAnUnquotedProgramWithBlanksAsWindowsDoes) {
    auto locate = [](const std::string& name) -> std::optional<std::string> {
        if (name == "C:\\Program Files\\TV\\tv.exe" || name == "wget")
            return name;
        return std::nullopt;
    };
    ProgramCall spaced = SplitCommandLine("C:\\Program Files\\TV\\tv.exe --x \"a b\"", locate);
    EXPECT_EQ(spaced.program, "C:\\Program Files\\TV\\tv.exe");
    EXPECT_EQ(spaced.arguments, (Arguments{"--x", "a b"}));

    ProgramCall quoted = SplitCommandLine(" \"C:\\a b\\x.exe\"/S", locate);
    EXPECT_EQ(quoted.program, "C:\\a b\\x.exe");
    EXPECT_EQ(quoted.arguments, (Arguments{"/S"}));

    ProgramCall missing = SplitCommandLine("nothing here", locate);
    EXPECT_EQ(missing.program, "nothing");
    EXPECT_EQ(missing.arguments, (Arguments{"here"}));

    EXPECT_EQ(SplitCommandLine("   ", locate).program, "");
}

} // namespace
