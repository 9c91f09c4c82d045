#include "identity/IniSettings.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using identity::ReadIniValue;
using platform::win32::Win32Os;

const std::u16string IniFile = u"C:\\Velmorn3\\Velmorn3.ini";

void WriteIni(const std::string& bytes) {
    CreateDirectoryA("C:\\Velmorn3", nullptr);
    std::ofstream("C:\\Velmorn3\\Velmorn3.ini", std::ios::binary) << bytes;
}

TEST(ReadIniValueOnWindows, ReadsTheServerSetting) {
    Win32Os os;
    DeleteFileA("C:\\Velmorn3\\Velmorn3.ini");
    EXPECT_EQ(ReadIniValue(os, IniFile, u"INICIO", u"SERVIDOR"), u"");

    WriteIni("[INICIO]\r\nSERVIDOR=SRV01\r\nVACIO=\r\nMI_CLAVE=Espa\xF1"
             "a\r\n");
    EXPECT_EQ(ReadIniValue(os, IniFile, u"INICIO", u"SERVIDOR"), u"SRV01");
    EXPECT_EQ(ReadIniValue(os, IniFile, u"INICIO", u"VACIO", u"LOCALHOST"), u"LOCALHOST");
    EXPECT_EQ(ReadIniValue(os, IniFile, u"FINAL", u"SERVIDOR", u"LOCALHOST"), u"LOCALHOST");
    EXPECT_EQ(ReadIniValue(os, IniFile, u"INICIO", u" MI CLAVE "), u"España");
}

} // namespace
