#include "ServiceTestContext.h"
#include "service/RequestDocument.h"
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
    EXPECT_EQ(os.started[0].commandLine, u"C:\\Velmorn3\\Wget\\Wget.exe --tries=1 --timeout=30 -O "
                                         u"C:\\Velmorn3\\Wget\\respuesta.json "
                                         u"\"http://h/p?{'a':'\u00C3\u00A9'}\"");
    EXPECT_EQ(os.started[0].style, platform::WindowStyle::Hidden);
    // A tool that writes nothing gives no reply, never the previous one.
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?{'a':'é'}", false), u"");
    EXPECT_TRUE(os.started[1].commandLine.ends_with(u"?{'a':'é'}\""));
}

TEST_F(TransportTest, RefusesWhatCouldReadAStaleReplyOrSplitTheCommandLine) {
    const size_t fixedPart = std::u16string(ToolPath).size() + 1 + FetchOptions.size() + 4 +
                             std::u16string(ResponseFile).size() + 3;
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

TEST_F(TransportTest, TheUrlEscapesWhatWouldCutOrChangeTheDocument) {
    EXPECT_EQ(ServiceUrl(context, u"{'a':'%#\"&+ \t\x01\x1F\x7F~é\\'}"),
              u"http://soporte.test/VelmornServ/ServiciosJsonNoDecode?"
              u"{'a':'%25%23%22%26%2B %09%01%1F%7F~é\\'}");
}

TEST_F(TransportTest, AReplyThatDidNotArriveWholeIsNoReply) {
    const struct {
        const char* reply;
        uint32_t exitCode;
        bool whole;
    } cases[] = {
        {"{\"ID\":12,\"NUM", 0, false},                    // inside a key
        {"{\"ID\":1,\"OBS\":\"uno [dos] {tres", 0, false}, // inside a text value
        {"{\"RS\":[{\"ID\":1},", 0, false},                // between records
        {" [{\"ID\":1}", 0, false},                        // an array left open
        {"{\"T\":\"a\\\"}\"", 0, false},                   // an escaped quote
        {"{'T':'}'", 0, false},                            // the lenient parser's quotes
        {"{\"ID\":1}", 4, false},                          // read failed: wget's 4
        {"{\"ID\":1}", 8, false},                          // an error reply
        {"{\"ID\":1,}", 0, true},                          // a trailing comma: whole
        {"{\"T\":\"}]'\\\\\"}\r\n", 0, true},              // brackets inside a text
        {"\xEF\xBB\xBF{\"T\":\"{\"}", 0, true},            // a byte-order mark first
        {"<html>error</html>", 0, true},                   // not JSON: the parser decides
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        ScriptTool(c.exitCode);
        replies = {c.reply};
        served = 0;
        const std::u16string reply = FetchServiceReply(context, u"http://h/p?a", true);
        EXPECT_EQ(!reply.empty(), c.whole);
    }
    replies = {""}; // an empty body with a success status
    served = 0;
    ScriptTool(0);
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a", true), u"");
}

TEST_F(TransportTest, OneRequestAtATimeAndAToolThatNeverEndsIsStopped) {
    os.ScriptProgram(ToolPath, {-1});
    std::u16string nested = u"not asked";
    events.onPump = [&] {
        if (events.count == 1) {
            EXPECT_TRUE(context.responseFileInUse);
            nested = FetchServiceReply(context, u"http://h/p?b", true);
        }
    };
    EXPECT_EQ(FetchServiceReply(context, u"http://h/p?a", true), u"");
    EXPECT_EQ(nested, u"");
    EXPECT_FALSE(context.responseFileInUse);
    EXPECT_EQ(os.started.size(), 1u);
    EXPECT_EQ(events.count, 1000);
    EXPECT_EQ(os.terminated, std::vector<platform::ProcessId>{os.started[0].id});
}

} // namespace
} // namespace service
