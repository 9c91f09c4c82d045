// Registry values as the agent code reads them, from the same regedit files on the real
// system: the Linux backend reads the file, the Win32 one reads what regedit imported.
#include "FakeOs.h"
#include "RealSystem.h"
#include "agent/AgentDiscovery.h"
#include "agent/ClsRegistro.h"
#include "app/Context.h"

#include <gtest/gtest.h>

namespace {

const std::u16string Version5File =
    u"Windows Registry Editor Version 5.00\r\n\r\n"
    u"[-HKEY_CURRENT_USER\\Software\\AsistenciaRemota]\r\n\r\n"
    u"[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]\r\n"
    u"@=\"default\"\r\n"
    u"\"Text\"=\"Año 15 \\\"beta\\\" C:\\\\TV\"\r\n"
    u"\"Empty\"=\"\"\r\n"
    u"\"Number\"=dword:075bcd15\r\n"
    u"\"AllBits\"=dword:ffffffff\r\n"
    u"; a comment\r\n"
    u"\"Expand\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,5c,00,e9,00,00,00\r\n"
    u"\"Bytes\"=hex:41,42,\\\r\n  e9,5a\r\n"
    u"\"Many\"=hex(7):61,00,00,00,00,00\r\n\r\n"
    u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer]\r\n"
    u"\"ClientID\"=dword:3ade68b1\r\n"
    u"\"Version\"=\"9.0.1\"\r\n"
    u"\"InstallationDirectory\"=\"C:\\\\Program Files (x86)\\\\TeamViewer\"\r\n\r\n"
    u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer\\TeamViewer9]\r\n"
    u"\"InstallationDirectory\"=\" C:\\\\TV9 \"\r\n";

const std::string Regedit4File = "REGEDIT4\r\n\r\n"
                                 "[-HKEY_CURRENT_USER\\Software\\AsistenciaRemota]\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]\r\n"
                                 "\"Version\"=\"15.0 Almac\xE9n\"\r\n"
                                 "\"Expand\"=hex(2):41,42,00\r\n";

class Registry : public ::testing::Test {
protected:
    std::u16string Read(std::u16string value, std::u16string key = Key) {
        return agent::ClsRegistro(system.os()).ReadRegKey(std::move(key), std::move(value));
    }

    static inline const std::u16string Key =
        u"HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas\\";
    fixtures::RealSystem system;
};

TEST_F(Registry, EveryValueTypeReadsAsTextFromAVersion5Export) {
    EXPECT_EQ(Read(u"Number", u"HKCU\\Software\\AsistenciaRemota\\Nowhere"), u"")
        << "no registry yet";
    system.ImportRegistry(fixtures::Utf16LeWithMark(Version5File));
    const struct {
        std::u16string_view value, text;
    } cases[] = {{u"", u"default"},   {u"text", u"Año 15 \"beta\" C:\\TV"},
                 {u"Empty", u""},     {u"Number", u"123456789"},
                 {u"AllBits", u"-1"}, {u"Expand", u"%PATH%\\é"},
                 {u"Bytes", u"ABé"}, // one character per byte, the last one dropped
                 {u"Many", u""},     // other types read as nothing
                 {u"Missing", u""}};
    for (const auto& c : cases)
        EXPECT_EQ(Read(std::u16string(c.value)), c.text)
            << std::string(c.value.begin(), c.value.end());
    EXPECT_EQ(Read(u"Number", u"HKCU\\Software\\AsistenciaRemota\\Pruebas"), u"123456789");
    EXPECT_EQ(Read(u"Text", u"HKCU\\Software\\AsistenciaRemota\\Nowhere"), u"");

    // The two calls of a read: type and size first, then at most that many bytes.
    platform::Os& os = system.os();
    platform::RegistryKey key = 0;
    ASSERT_EQ(os.RegOpenKeyEx(agent::HkeyCurrentUser, u"software\\ASISTENCIAREMOTA\\pruebas",
                              platform::KeyRead, key),
              platform::RegistrySuccess);
    uint32_t type = 0, size = 0;
    EXPECT_EQ(os.RegQueryValueEx(key, u"Expand", type, nullptr, size), platform::RegistrySuccess);
    EXPECT_EQ(type, platform::RegistryTypeExpandString);
    std::string data;
    size = 4;
    EXPECT_EQ(os.RegQueryValueEx(key, u"Text", type, &data, size), platform::RegistryMoreData);
    EXPECT_EQ(size, 20u);
    os.RegCloseKey(key);
    EXPECT_EQ(os.RegQueryValueEx(key, u"Text", type, nullptr, size), 6) << "a closed key";

    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context context{os, dialogs, events, session, {u"C:\\Velmorn3", u'\\', u"", u""}};
    EXPECT_EQ(agent::GetAgentClientId(context), u"987654321");
    EXPECT_EQ(agent::GetAgentVersion(context), u"9.0.1");
    EXPECT_EQ(agent::GetAgentInstallDir(context), u"C:\\Program Files (x86)\\TeamViewer");
    EXPECT_EQ(agent::GetLegacyAgentInstallDir(context), u"C:\\TV9");
}

TEST_F(Registry, ARegedit4ExportIsReadInTheAnsiCodePage) {
    system.ImportRegistry(Regedit4File);
    EXPECT_EQ(Read(u"Version"), u"15.0 Almacén");
    EXPECT_EQ(Read(u"Expand"), u"AB");
    EXPECT_EQ(Read(u"Text"), u"") << "the earlier import is gone";
}

TEST_F(Registry, MalformedValuesAndForeignFilesGiveNothing) {
    system.ImportRegistry("REGEDIT4\r\n\r\n[-HKEY_CURRENT_USER\\Software\\AsistenciaRemota]\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]\r\n"
                          "\"Good\"=\"yes\"\r\n\"Bad\"=hex:4z\r\n\"Worse\"=unknown:1\r\n"
                          "\"Long\"=dword:123456789\r\n");
    EXPECT_EQ(Read(u"Good"), u"yes");
    EXPECT_EQ(Read(u"Bad"), u"");
    EXPECT_EQ(Read(u"Worse"), u"");
    EXPECT_EQ(Read(u"Long"), u"") << "a dword has at most eight digits";
    system.ImportRegistry("");
    EXPECT_EQ(Read(u"Nothing"), u"");
    system.ImportRegistry("[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]\r\n"
                          "\"Foreign\"=\"x\"\r\n");
    EXPECT_EQ(Read(u"Foreign"), u"") << "a file without the export header is not read";
}

} // namespace
