// The installation's ini setting read from real files: the Linux backend's profile rules
// natively, and Windows' own GetPrivateProfileStringA under Wine as the reference.
#include "RealSystem.h"
#include "identity/IniSettings.h"

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
                                "no equals sign\r\n";

TEST(Ini, ValuesFollowTheWindowsProfileRules) {
    fixtures::RealSystem system;
    system.Write("Velmorn3.ini", Velmorn3Ini);
    const std::u16string file = system.Path("Velmorn3.ini");
    const struct {
        std::u16string_view section, key, value;
    } cases[] = {
        {u"INICIO", u"SERVIDOR", u"  192.168.1.10 "},
        {u"inicio", u"servidor", u"  192.168.1.10 "},
        {u"INICIO", u"Quoted", u"single"},
        {u"INICIO", u"Half", u"\"open"},
        {u"INICIO", u"Empty", u"default"},
        {u"INICIO", u"EMPRESA", u"España"},
        {u"INICIO", u"  MI CLAVE ", u"normalised"}, // trimmed, inner blanks as "_", first
        {u"INICIO", u" OTRA CLAVE", u"as given"},
        {u"INICIO", u"Missing", u"default"},
        {u"General", u"servidor", u"wrong section"},
        {u"Otra", u"SERVIDOR", u"default"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(identity::ReadIniValue(system.os(), file, c.section, c.key, u"default"), c.value)
            << std::string(c.key.begin(), c.key.end());
    EXPECT_EQ(identity::ReadIniValue(system.os(), file, u"INICIO", u"Missing"), u"");
    EXPECT_EQ(identity::ReadIniValue(system.os(), system.Path("missing.ini"), u"INICIO",
                                     u"SERVIDOR", u"LOCALHOST"),
              u"LOCALHOST");
    EXPECT_EQ(system.os().GetPrivateProfileString(u"INICIO", u"EMPRESA", u"", 4, file), u"Esp");
}

} // namespace
