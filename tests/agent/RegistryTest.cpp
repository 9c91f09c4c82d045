// Registry values as the agent code reads them, from the same regedit files on the real
// system: the Linux backend reads the file, the Win32 one reads what regedit imported.
#include "RealSystem.h"
#include "agent/ClsRegistro.h"
#include "text/Encoding.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::u16string Version5File =
    u"Windows Registry Editor Version 5.00\r\n\r\n"
    u"[-HKEY_CURRENT_USER\\Software\\AsistenciaRemota]\r\n\r\n"
    u"[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]\r\n"
    u"@=\"default\"\r\n\"Text\"=\"Año\"\r\n\"Number\"=dword:075bcd15\r\n";

const std::string Regedit4File = "REGEDIT4\r\n\r\n"
                                 "[-HKEY_CURRENT_USER\\Software\\AsistenciaRemota]\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]\r\n"
                                 "\"Version\"=\"15.0 Almac\xE9n\"\r\n"
                                 "\"Expand\"=hex(2):41,42,00\r\n";

// Values of one key, the same in both file versions but for strings written as bytes:
// UTF-16LE in version 5, ANSI in REGEDIT4 (regedit4 empty: as in version 5).
const struct {
    std::string name, version5, regedit4;
    std::u16string_view text;
} StringRows[] = {
    {"Sz", "hex(1):41,00,f1,00,6f,00,00,00", "hex(1):41,f1,6f,00", u"Año"},
    {"Text", "\"Año 15 \\\"beta\\\" C:\\\\TV\"", "", u"Año 15 \"beta\" C:\\TV"},
    {"Empty", "\"\"", "", u""},
    {"Number", "dword:075bcd15", "", u"123456789"},
    {"AllBits", "dword:ffffffff", "", u"-1"},
    {"Expand", "hex(2):25,00,50,00,41,00,54,00,48,00,25,00,5c,00,e9,00,00,00",
     "hex(2):25,50,41,54,48,25,5c,e9,00", u"%PATH%\\é"},
    {"Many", "hex(7):61,00,00,00,00,00", "", u""},            // other types read as nothing
    {"Unended", "hex(1):41,00,f1,00", "hex(1):41,f1", u"Añ"}, // regedit adds the zero
    {"Nothing", "hex(1):", "", u""},
    {"ExpandUnended", "hex(2):25,00,41,00", "hex(2):25,41", u"%A"},
    {"Carriers", "hex(1):81,00,8d,00,8f,00,90,00,9d,00", "hex(1):81,8d,8f,90,9d",
     u"\u0081\u008d\u008f\u0090\u009d"},
    {"Plain", "\"Almacén\"", "", u"Almacén"},
    {"Gone", "\"x\"\r\n\"Gone\"=-", "", u""},
    {"Again", "\"1\"\r\n\"Again\"=-\r\n\"Again\"=\"2\"", "", u"2"},
    {"@", "\"d\"\r\n@=-", "", u""},
    {"Bytes", "hex:41,42,\\\r\n; inside the data\r\n\r\n  43,44", "", u"ABC"},
    {"Astral", "\"x\U0001F600y\"", "", u"x??y"}, // one "?" per UTF-16 unit
    {"AstralBytes", "hex(1):78,00,3d,d8,00,de,00,00", "hex(1):78,3f,3f,00", u"x??"},
    {"Mac", "\"1\"\r\"Mac\"=\"2\"", "", u"2"}, // a lone carriage return ends a line
    {"Keyed",
     "\"here\"\r\n[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas\\Noted] ; a note\r\n"
     "\"Keyed\"=\"there\"\r\n[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]",
     "", u"here"},
    {"Blanked",
     "\"1\"\r\n[ HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas\\Elsewhere]\r\n"
     "\"Blanked\"=\"2\"\r\n[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]",
     "", u"2"}, // no key line: the value stays in the current key
    {"Abbreviated",
     "\"1\"\r\n[HKCU\\Software\\AsistenciaRemota\\Pruebas]\r\n\"Abbreviated\"=\"2\"\r\n"
     "[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]",
     "", u"1"}, // regedit knows the roots by their full names only
    {"BlankDword", "dword: 0000000f", "", u"15"},
    {"NotedDword", "dword:0000000f ; fifteen", "", u"15"},
    {"EmptyDword", "dword: ; none", "", u"0"},
};

// A key deleted with what lies under it, then partly made again; every row above after a
// comment that ends with a backslash. Its line ends are those given.
std::string StringsAndDeletionsFile(bool version5, std::string_view lineEnd) {
    std::string file =
        std::string(version5 ? "Windows Registry Editor Version 5.00" : "REGEDIT4") +
        "\r\n\r\n[-HKEY_CURRENT_USER\\Software\\AsistenciaRemota]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas\\Old\\Child]\r\n"
        "\"c\"=\"1\"\r\n[-HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas\\Old]\r\n"
        "\"orphan\"=\"1\"\r\n"
        "[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas\\Old\\New]\r\n"
        "\"n\"=\"2\"\r\n[HKEY_CURRENT_USER\\Software\\AsistenciaRemota\\Pruebas]\r\n";
    for (const auto& row : StringRows)
        file += "; " + row.name + " \\\r\n" + (row.name == "@" ? "@" : '"' + row.name + '"') + "=" +
                (version5 || row.regedit4.empty() ? row.version5 : row.regedit4) + "\r\n";
    for (size_t at = 0; (at = file.find("\r\n", at)) != std::string::npos; at += lineEnd.size())
        file.replace(at, 2, lineEnd);
    const std::u16string content = text::Utf8ToUtf16(file);
    return version5 ? fixtures::Utf16LeWithMark(content) : text::Utf16ToCp1252(content);
}

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
    EXPECT_EQ(Read(u"text"), u"Año");
    EXPECT_EQ(Read(u""), u"default");
    EXPECT_EQ(Read(u"Missing"), u"");
    EXPECT_EQ(Read(u"Number", u"HKCU\\Software\\AsistenciaRemota\\Pruebas"), u"123456789");
    EXPECT_EQ(Read(u"Text", u"HKCU\\Software\\AsistenciaRemota\\Nowhere"), u"");

    // The two calls of a read: type and size first, then at most that many bytes.
    platform::Os& os = system.os();
    platform::RegistryKey key = 0;
    ASSERT_EQ(os.RegOpenKeyEx(agent::HkeyCurrentUser, u"software\\ASISTENCIAREMOTA\\pruebas",
                              platform::KeyRead, key),
              platform::RegistrySuccess);
    uint32_t type = 0, size = 0;
    EXPECT_EQ(os.RegQueryValueEx(key, u"Number", type, nullptr, size), platform::RegistrySuccess);
    EXPECT_EQ(type, platform::RegistryTypeDword);
    std::string data;
    size = 3;
    EXPECT_EQ(os.RegQueryValueEx(key, u"Text", type, &data, size), platform::RegistryMoreData);
    EXPECT_EQ(size, 4u);
    os.RegCloseKey(key);
    EXPECT_EQ(os.RegQueryValueEx(key, u"Text", type, nullptr, size), 6) << "a closed key";
}

TEST_F(Registry, ARegedit4ExportIsReadInTheAnsiCodePage) {
    system.ImportRegistry(Regedit4File);
    EXPECT_EQ(Read(u"Version"), u"15.0 Almacén");
    EXPECT_EQ(Read(u"Expand"), u"AB");
    EXPECT_EQ(Read(u"Text"), u"") << "the earlier import is gone";

    // Files of the same size: one that has sat a while, then two written one right after
    // the other. Each is read as it is now.
    std::filesystem::last_write_time(system.folder / "registro.reg",
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(1));
    EXPECT_EQ(Read(u"Version"), u"15.0 Almacén");
    for (std::string version : {"16.0", "17.0"}) {
        std::string file = Regedit4File;
        system.ImportRegistry(file.replace(file.find("15.0"), 4, version));
        EXPECT_EQ(Read(u"Version"), text::Utf8ToUtf16(version) + u" Almacén");
    }
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

TEST_F(Registry, StringsAsBytesDeletionsAndCommentsReadAsRegeditLoadsThemInBothVersions) {
    const struct {
        const char* name;
        bool version5;
        std::string_view lineEnd;
    } forms[] = {{"version 5", true, "\r\n"},
                 {"REGEDIT4", false, "\r\n"},
                 {"version 5, CR", true, "\r"},
                 {"REGEDIT4, CR", false, "\r"},
                 {"REGEDIT4, LF", false, "\n"}};
    for (const auto& [name, version5, lineEnd] : forms) {
        SCOPED_TRACE(name);
        system.ImportRegistry(StringsAndDeletionsFile(version5, lineEnd));
        for (const auto& row : StringRows)
            EXPECT_EQ(Read(row.name == "@" ? u"" : text::Utf8ToUtf16(row.name)), row.text)
                << row.name;
        EXPECT_EQ(Read(u"c", Key + u"Old\\Child"), u"") << "deleted with its parent";
        EXPECT_EQ(Read(u"orphan", Key + u"Old"), u"") << "values of a deleted key go nowhere";
        EXPECT_EQ(Read(u"n", Key + u"Old\\New"), u"2") << "made again after the deletion";
        EXPECT_EQ(Read(u"Keyed", Key + u"Noted"), u"there") << "a key line with a comment";
    }
}

} // namespace
