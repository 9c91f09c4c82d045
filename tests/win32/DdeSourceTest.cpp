#include "platform/win32/DdeSource.h"

#include "ChildProcess.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::DdeSource;
using win32test::ChildProcess;
using win32test::HelperPath;

TEST(DdeSource, HandsEveryExecuteCommandToTheHandlerAndAcceptsNone) {
    std::vector<std::u16string> received;
    DdeSource source(u"FrmMain",
                     [&](std::u16string_view command) { received.emplace_back(command); });
    ASSERT_TRUE(source.IsRegistered());
    EXPECT_EQ(source.ServiceName(), u"asr_win32_backend_test");

    ChildProcess client(HelperPath(u"DdeClient.exe") + u" " + source.ServiceName() +
                        u" FrmMain Cerrar cerrar \"Abrir ficha\"");
    ASSERT_TRUE(client.WaitForExit());
    EXPECT_EQ(client.ExitCode(), 0u) << "1: accepted, 2: no conversation, 3: failed";
    EXPECT_EQ(received, (std::vector<std::u16string>{u"Cerrar", u"cerrar", u"Abrir ficha"}));
}

TEST(DdeSource, RefusesConversationsOnOtherTopics) {
    std::vector<std::u16string> received;
    DdeSource source(u"FrmMain",
                     [&](std::u16string_view command) { received.emplace_back(command); });
    ChildProcess client(HelperPath(u"DdeClient.exe") + u" " + source.ServiceName() +
                        u" FrmOtra Cerrar");
    ASSERT_TRUE(client.WaitForExit());
    EXPECT_EQ(client.ExitCode(), 2u);
    EXPECT_TRUE(received.empty());
}

} // namespace
