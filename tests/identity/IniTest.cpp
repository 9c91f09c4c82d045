// The installation's ini setting read from real files: the Linux backend's profile rules
// natively, and Windows' own GetPrivateProfileStringA under Wine as the reference.
#include "RealSystem.h"
#include "identity/IniSettings.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace {

const std::string Velmorn3Ini = "SERVIDOR=before any section\r\n"
                                "; Velmorn\r\n"
                                "[General]\r\n"
                                "SERVIDOR=wrong section\r\n"
                                "[ inicio ]\r\n"
                                ";SERVIDOR=commented\r\n"
                                "  Servidor  =   \"  192.168.1.10 \"  \r\n"
                                "SERVIDOR=second\r\n"
                                "Quoted='single'\r\n"
                                "Half=\"open\r\n"
                                "Empty=\r\n"
                                "EMPRESA=Espa\xF1"
                                "a\r\n"
                                "MI_CLAVE=normalised\r\n"
                                " OTRA CLAVE=as given\r\n"
                                "no equals sign\r\n"
                                "[INICIO]\r\n"
                                "Later=second section\r\n";

// A character beyond U+FFFF in place of "ñ": two UTF-16 units, so two "?" in ANSI.
std::u16string Astral(std::u16string content) {
    return content.replace(content.find(u'ñ'), 1, u"\U0001F600");
}

// The same ini file as ANSI, as Notepad's "Unicode" (also with a character beyond U+FFFF),
// and as UTF-8 without a mark, which Windows reads as ANSI too.
TEST(Ini, ValuesFollowTheWindowsProfileRulesInAnsiAndUnicodeFiles) {
    fixtures::RealSystem system;
    const std::u16string content = text::Cp1252ToUtf16(Velmorn3Ini);
    const struct {
        std::string name, bytes;
        std::u16string_view empresa;
    } files[] = {{"ansi.ini", Velmorn3Ini, u"España"},
                 {"unicode.ini", fixtures::Utf16LeWithMark(content), u"España"},
                 {"astral.ini", fixtures::Utf16LeWithMark(Astral(content)), u"Espa??a"},
                 {"utf8.ini", text::Utf16ToUtf8(content), u"EspaÃ±a"}};
    for (const auto& [name, bytes, empresa] : files) {
        SCOPED_TRACE(name);
        system.Write(name, bytes);
        const std::u16string file = system.Path(name);
        // clang-format off
        const struct {
            std::u16string_view section, key, value;
        } cases[] = {
            {u"INICIO", u"SERVIDOR", u"  192.168.1.10 "}, {u"inicio", u"servidor", u"  192.168.1.10 "},
            {u"INICIO", u"Quoted", u"single"}, {u"INICIO", u"Half", u"\"open"},
            {u"INICIO", u"Empty", u"default"}, {u"INICIO", u"EMPRESA", empresa},
            {u"INICIO", u"  MI CLAVE ", u"normalised"}, // trimmed, inner blanks as "_", first
            {u"INICIO", u" OTRA CLAVE", u"as given"}, {u"INICIO", u"Missing", u"default"},
            {u"General", u"servidor", u"wrong section"}, {u"Otra", u"SERVIDOR", u"default"},
            {u"INICIO", u"Later", u"default"}}; // only the first [INICIO] is searched
        // clang-format on
        for (const auto& c : cases)
            EXPECT_EQ(identity::ReadIniValue(system.os(), file, c.section, c.key, u"default"),
                      c.value)
                << std::string(c.key.begin(), c.key.end());
        EXPECT_EQ(identity::ReadIniValue(system.os(), file, u"INICIO", u"Missing"), u"");
        EXPECT_EQ(system.os().GetPrivateProfileString(u"INICIO", u"EMPRESA", u"", 4, file), u"Esp");
    }
    EXPECT_EQ(identity::ReadIniValue(system.os(), system.Path("missing.ini"), u"INICIO",
                                     u"SERVIDOR", u"LOCALHOST"),
              u"LOCALHOST");
    // A value is read as far as the reader's buffer holds it.
    system.Write("long.ini", "[INICIO]\r\nLARGO=" + std::string(40000, 'x') + "\r\n");
    EXPECT_EQ(identity::ReadIniValue(system.os(), system.Path("long.ini"), u"INICIO", u"LARGO"),
              std::u16string(31999, u'x'));
}

} // namespace
