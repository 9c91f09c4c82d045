#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using platform::win32::Win32Os;

const std::u16string IniFile = u"C:\\Velmorn3\\Velmorn3.ini";

void WriteIni(const std::string& bytes) {
    CreateDirectoryA("C:\\Velmorn3", nullptr);
    std::ofstream("C:\\Velmorn3\\Velmorn3.ini", std::ios::binary) << bytes;
}

std::u16string Read(Win32Os& os, std::u16string_view section, std::u16string_view key,
                    std::u16string_view fileName = IniFile) {
    return os.GetPrivateProfileString(section, key, u"LOCALHOST", 32000, fileName);
}

TEST(Win32Profile, ReadsTheInstallationIni) {
    WriteIni("[INICIO]\r\nSERVIDOR=SRV01\r\nVACIO=\r\nEMPRESA=Espa\xF1"
             "a\r\n"
             "[OTRA]\r\nCLAVE=valor\r\n");
    Win32Os os;
    EXPECT_EQ(Read(os, u"INICIO", u"SERVIDOR"), u"SRV01");
    EXPECT_EQ(Read(os, u"inicio", u"servidor"), u"SRV01");
    EXPECT_EQ(Read(os, u"INICIO", u"EMPRESA"), u"España");
    EXPECT_EQ(Read(os, u"INICIO", u"VACIO"), u"LOCALHOST");
    EXPECT_EQ(Read(os, u"INICIO", u"CLAVE"), u"LOCALHOST");
    EXPECT_EQ(Read(os, u"FINAL", u"SERVIDOR"), u"LOCALHOST");
    EXPECT_EQ(Read(os, u"INICIO", u"SERVIDOR", u"C:\\Velmorn3\\NoExiste.ini"), u"LOCALHOST");
    EXPECT_EQ(os.GetPrivateProfileString(u"INICIO", u"SERVIDOR", u"", 4, IniFile), u"SRV");
}

} // namespace
