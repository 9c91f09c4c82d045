#include "platform/posix/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::posix;
using Arguments = std::vector<std::string>;

TEST(SplitArguments, FollowsTheWindowsRuntimeRules) {
    EXPECT_EQ(SplitArguments(""), Arguments{});
    EXPECT_EQ(SplitArguments("  a\t b  "), (Arguments{"a", "b"}));
    EXPECT_EQ(SplitArguments("\"a b\" c"), (Arguments{"a b", "c"}));
    EXPECT_EQ(SplitArguments("a\"b c\"d"), (Arguments{"ab cd"}));
    EXPECT_EQ(SplitArguments("C:\\dir\\file"), (Arguments{"C:\\dir\\file"}));
    EXPECT_EQ(SplitArguments("a\\\\\"b c\""), (Arguments{"a\\b c"}));
    EXPECT_EQ(SplitArguments("a\\\\\\\"b"), (Arguments{"a\\\"b"}));
    EXPECT_EQ(SplitArguments("\"C:\\dir\\\\\""), (Arguments{"C:\\dir\\"}));
    EXPECT_EQ(SplitArguments("\"say \"\"hi\"\"\""), (Arguments{"say \"hi\""}));
    EXPECT_EQ(SplitArguments("\"\""), (Arguments{""}));
    EXPECT_EQ(SplitArguments("\"open"), (Arguments{"open"}));
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
