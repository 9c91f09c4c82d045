#include "FakeOs.h"
#include "TempFolder.h"
#include "agent/AgentDiscovery.h"
#include "agent/AgentInstall.h"
#include "agent/ClsRegistro.h"
#include "app/Context.h"
#include "platform/SystemOs.h"

#include <gtest/gtest.h>
#include <memory>

namespace agent {
namespace {

// The registry cases against the Linux backend, which reads a regedit export file.
class RegistryExportTest : public ::testing::Test {
protected:
    void Export(const std::string& keys) {
        folder.Write("registry.reg", "REGEDIT4\r\n\r\n" + keys);
    }
    std::u16string Read(std::u16string key, std::u16string value, uint32_t hKey = 0) {
        return ClsRegistro(*os).ReadRegKey(std::move(key), std::move(value), hKey);
    }
    void UseWindows64(bool windows64) { os = platform::CreateSystemOs(file, windows64); }

    fixtures::TempFolder folder;
    std::string file = folder / "registry.reg";
    std::unique_ptr<platform::Os> os = platform::CreateSystemOs(file, true);
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context Context() {
        return {*os, dialogs, events, session, {u"/opt/velmorn3", u'/', u"", u""}};
    }
};

TEST_F(RegistryExportTest, ValuesReadAsText) {
    Export("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Probe]\r\n"
           "\"Text\"=\"Almac\xE9n\"\r\n"
           "\"Empty\"=\"\"\r\n"
           "\"Number\"=dword:075bcd15\r\n"
           "\"AllBits\"=dword:ffffffff\r\n"
           "\"Bytes\"=hex:41,42,43\r\n"
           "\"Many\"=hex(7):61,00,00\r\n");
    const std::u16string key = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Probe\\";
    EXPECT_EQ(Read(key, u"Text"), u"Almacén");
    EXPECT_EQ(Read(key, u"Empty"), u"");
    EXPECT_EQ(Read(key, u"Number"), u"123456789");
    EXPECT_EQ(Read(key, u"AllBits"), u"-1");
    EXPECT_EQ(Read(key, u"Bytes"), u"AB");
    EXPECT_EQ(Read(key, u"Many"), u"");
    EXPECT_EQ(Read(key, u"Missing"), u"");
    EXPECT_EQ(Read(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Nowhere", u"Text"), u"");
}

TEST_F(RegistryExportTest, RootsAsWrittenInTheKeyPath) {
    Export("[HKEY_LOCAL_MACHINE\\Software\\Probe]\r\n\"Root\"=\"local machine\"\r\n\r\n"
           "[HKEY_CURRENT_USER\\hklm\\Software\\Probe]\r\n\"Root\"=\"current user\"\r\n\r\n"
           "[HKEY_CLASSES_ROOT\\hklm\\Software\\Probe]\r\n\"Root\"=\"classes root\"\r\n\r\n"
           "[HKEY_CLASSES_ROOT\\HKEY_LOCAL_MACHINE\\Probe]\r\n\"Root\"=\"classes root\"\r\n\r\n"
           "[HKEY_CURRENT_CONFIG]\r\n\"OnRoot\"=\"root value\"\r\n");
    EXPECT_EQ(Read(u"HKLM\\Software\\Probe", u"Root"), u"local machine");
    EXPECT_EQ(Read(u"HKEY_LOCAL_MACHINE\\Software\\Probe", u"Root"), u"local machine");
    EXPECT_EQ(Read(u"hklm\\Software\\Probe", u"Root", HkeyCurrentUser), u"current user");
    EXPECT_EQ(Read(u"hklm\\Software\\Probe", u"Root"), u"classes root");
    EXPECT_EQ(Read(u"HKEY_CURRENT_CONFIG", u"OnRoot"), u"root value");
    EXPECT_EQ(Read(u"Software\\HKEY_LOCAL_MACHINE\\Probe", u"Root", HkeyLocalMachine),
              u"classes root");
}

TEST_F(RegistryExportTest, AgentValuesOfEachWindowsLayout) {
    Export("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer]\r\n"
           "\"ClientID\"=dword:3ade68b1\r\n"
           "\"Version\"=\"9.0.1\"\r\n"
           "\"InstallationDirectory\"=\"C:\\\\Program Files (x86)\\\\TeamViewer\"\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer\\TeamViewer9]\r\n"
           "\"InstallationDirectory\"=\" C:\\\\TV9 \"\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TeamViewer]\r\n"
           "\"ClientID\"=\"7\"\r\n"
           "\"Version\"=\"15.48.4\"\r\n");
    {
        app::Context context = Context();
        EXPECT_EQ(GetAgentClientId(context), u"987654321");
        EXPECT_EQ(GetAgentVersion(context), u"9.0.1");
        EXPECT_FALSE(IsAgentCurrent(context));
        EXPECT_EQ(GetAgentInstallDir(context), u"C:\\Program Files (x86)\\TeamViewer");
        EXPECT_EQ(GetLegacyAgentInstallDir(context), u"C:\\TV9");
    }
    UseWindows64(false);
    app::Context context = Context();
    EXPECT_EQ(GetAgentClientId(context), u"Imposible de detectar");
    EXPECT_EQ(GetAgentVersion(context), u"15.48.4");
    EXPECT_TRUE(IsAgentCurrent(context));
    EXPECT_EQ(GetAgentInstallDir(context), u"");
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"");
}

} // namespace
} // namespace agent
