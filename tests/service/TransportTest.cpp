#include "ServiceTestContext.h"
#include "service/ServiceTransport.h"

#include <gtest/gtest.h>

namespace service {
namespace {

using namespace test_support;

class TransportTest : public ::testing::Test, protected ServiceTestContext {};

TEST_F(TransportTest, RunsTheToolHiddenIntoAFreshResponseFileAndReadsIt) {
    os.SetFile(ResponseFile, "{\"ID\":7}"); // the previous request's reply
    replies = {"{\"ID\":8,\"T\":\"ca\xC3\xB1\xC3\xB3n\"}", ""};
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?{'a':'é'}", true),
              u"{\"ID\":8,\"T\":\"cañón\"}");
    ASSERT_EQ(os.started.size(), 1u);
    EXPECT_EQ(os.started[0].commandLine,
              u"C:\\Velmorn3\\Wget\\Wget.exe -O C:\\Velmorn3\\Wget\\respuesta.json "
              u"\"http://h/p?{'a':'\u00C3\u00A9'}\"");
    EXPECT_EQ(os.started[0].style, platform::WindowStyle::Hidden);
    // A tool that writes nothing gives no reply, never the previous one.
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?{'a':'é'}", false), u"");
    EXPECT_TRUE(os.started[1].commandLine.ends_with(u"?{'a':'é'}\""));
}

TEST_F(TransportTest, RefusesWhatCouldReadAStaleReplyOrSplitTheCommandLine) {
    const size_t fixedPart =
        std::u16string(ToolPath).size() + 4 + std::u16string(ResponseFile).size() + 3;
    const std::u16string longest = u"h" + std::u16string(CommandLineLimit - fixedPart - 1, u'x');
    replies = {"{}", "{}"};
    EXPECT_EQ(FetchServiceReply(context, longest, true), u"{}");
    EXPECT_EQ(os.started.back().commandLine.size(), CommandLineLimit);
    EXPECT_EQ(FetchServiceReply(context, longest + u"x", true), u"");
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a\"b", true), u"");
    os.SetFile(ResponseFile, "{\"ID\":7}", true); // cannot be deleted
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a", true), u"");
    EXPECT_EQ(os.started.size(), 1u);
}

TEST_F(TransportTest, OneRequestAtATimeAndAToolThatNeverEndsIsStopped) {
    os.ScriptProgram(ToolPath, {-1});
    std::u16string nested = u"not asked";
    events.onPump = [&] {
        if (events.count == 1) {
            EXPECT_TRUE(ServiceRequestRunning(context));
            nested = FetchServiceReply(context, u"http://h/p?b", true);
        }
    };
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a", true), u"");
    EXPECT_EQ(nested, u"");
    EXPECT_FALSE(ServiceRequestRunning(context));
    EXPECT_EQ(os.started.size(), 1u);
    EXPECT_EQ(events.count, 1000);
    EXPECT_EQ(os.terminated, std::vector<platform::ProcessId>{os.started[0].id});
}

} // namespace
} // namespace service
