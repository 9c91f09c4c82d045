#include "ChildProcess.h"
#include "FakeOs.h"
#include "agent/AgentDiscovery.h"
#include "agent/ClsRegistro.h"
#include "platform/win32/Win32Os.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::Win32Os;

// Writes into the 64-bit registry, where the 32-bit programs' HKLM\SOFTWARE lives under
// Wow6432Node.
void StoreClientId(std::u16string_view key, std::u16string_view id) {
    ASSERT_EQ(win32test::RunToEnd(u"reg.exe add \"" + std::u16string(key) +
                                  u"\" /v ClientID /t REG_SZ /d " + std::u16string(id) +
                                  u" /f /reg:64"),
              0u);
}

// The shops run the 32-bit build on 64-bit Windows; the 64-bit build is tested as well.
TEST(RegistryView, EachBuildReadsTheAgentInItsOwnView) {
    StoreClientId(u"HKLM\\SOFTWARE\\TeamViewer", u"111111111");
    StoreClientId(u"HKLM\\SOFTWARE\\Wow6432Node\\TeamViewer", u"222222222");
    constexpr bool build32 = sizeof(void*) == 4;
    Win32Os os;
    EXPECT_TRUE(os.IsWow64Process());

    agent::ClsRegistro registro(os);
    EXPECT_EQ(registro.ReadRegKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\TeamViewer\\", u"ClientID"),
              build32 ? u"222222222" : u"111111111");
    EXPECT_EQ(registro.ReadRegKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer\\",
                                  u"ClientID"),
              u"222222222");

    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context context{os, dialogs, events, session, {}};
    EXPECT_EQ(agent::GetAgentClientId(context), u"222222222");
}

} // namespace
