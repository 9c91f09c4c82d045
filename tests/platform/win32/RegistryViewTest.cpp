#include "FakeOs.h"
#include "agent/AgentDiscovery.h"
#include "agent/ClsRegistro.h"
#include "platform/win32/Win32Os.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

using platform::win32::Win32Os;

// Writes into the 64-bit registry, where the 32-bit programs' HKLM\SOFTWARE lives under
// Wow6432Node.
void StoreClientId(const std::string& key, const std::string& id) {
    const std::string command =
        "reg add \"" + key + "\" /v ClientID /t REG_SZ /d " + id + " /f /reg:64 >NUL";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

// The shops run the 32-bit build on 64-bit Windows; the 64-bit build is tested as well.
TEST(RegistryView, EachBuildReadsTheAgentInItsOwnView) {
    StoreClientId("HKLM\\SOFTWARE\\TeamViewer", "111111111");
    StoreClientId("HKLM\\SOFTWARE\\Wow6432Node\\TeamViewer", "222222222");
    constexpr bool build32 = sizeof(void*) == 4;
    fixtures::Installation<Win32Os> windows;
    EXPECT_TRUE(windows.os.IsWow64Process());

    agent::ClsRegistro registro(windows.os);
    EXPECT_EQ(registro.ReadRegKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\TeamViewer\\", u"ClientID"),
              build32 ? u"222222222" : u"111111111");
    EXPECT_EQ(registro.ReadRegKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer\\",
                                  u"ClientID"),
              u"222222222");
    EXPECT_EQ(agent::GetAgentClientId(windows.context), u"222222222");
}

} // namespace
