#include "platform/posix/ProfileFile.h"

#include "TempFolder.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace {

using fixtures::TempFolder;
using platform::posix::FindProfileString;

TEST(FindProfileString, FollowsTheWindowsProfileRules) {
    std::u16string_view content = u"; Velmorn\r\n"
                                  u"[General]\r\n"
                                  u"SERVIDOR=wrong section\r\n"
                                  u"[ inicio ]\r\n"
                                  u";SERVIDOR=commented\r\n"
                                  u"  Servidor  =   \"  192.168.1.10 \"  \r\n"
                                  u"SERVIDOR=second\r\n"
                                  u"Quoted='single'\r\n"
                                  u"Half=\"open\r\n"
                                  u"Empty=\r\n"
                                  u"no equals sign\r\n"
                                  u"[INICIO]\r\n"
                                  u"Later=from the second section\r\n";
    EXPECT_EQ(FindProfileString(content, u"INICIO", u"SERVIDOR"), u"  192.168.1.10 ");
    EXPECT_EQ(FindProfileString(content, u"inicio", u"quoted"), u"single");
    EXPECT_EQ(FindProfileString(content, u"INICIO", u"Half"), u"\"open");
    EXPECT_EQ(FindProfileString(content, u"INICIO", u"Empty"), u"");
    EXPECT_EQ(FindProfileString(content, u"INICIO", u"Later"), u"from the second section");
    EXPECT_EQ(FindProfileString(content, u"INICIO", u"Missing"), std::nullopt);
    EXPECT_EQ(FindProfileString(content, u"Otro", u"SERVIDOR"), std::nullopt);
    EXPECT_EQ(FindProfileString(content, u"General", u"servidor"), u"wrong section");
}

TEST(GetPrivateProfileString, ReadsTheFileInCodePage1252) {
    TempFolder folder;
    std::string ini = folder.Write("Velmorn3.ini", "[INICIO]\nSERVIDOR=Almac\xE9n\n");
    auto os = platform::CreateSystemOs(folder / "registry.reg", false);
    std::u16string file = text::Utf8ToUtf16(ini);
    EXPECT_EQ(os->GetPrivateProfileString(u"INICIO", u"SERVIDOR", u"LOCALHOST", 255, file),
              u"Almacén");
    EXPECT_EQ(os->GetPrivateProfileString(u"INICIO", u"SERVIDOR", u"LOCALHOST", 4, file), u"Alm");
    EXPECT_EQ(os->GetPrivateProfileString(u"INICIO", u"OTRA", u"LOCALHOST", 255, file),
              u"LOCALHOST");
    EXPECT_EQ(os->GetPrivateProfileString(u"INICIO", u"SERVIDOR", u"LOCALHOST", 255,
                                          text::Utf8ToUtf16(folder / "missing.ini")),
              u"LOCALHOST");
}

} // namespace
