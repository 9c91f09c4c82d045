#include "TempFolder.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace {

using fixtures::TempFolder;
using namespace platform;

constexpr RegistryKey LocalMachine = 0x80000002;

std::string Utf16LeWithMark(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return bytes;
}

// A registry string as the 8-bit call gives it, with its terminating zero.
std::string Z(const std::string& text) {
    return text + '\0';
}

struct Read {
    long status;
    uint32_t type;
    std::string data;
};

// Asks for the size first, then for the data, as the registry reader does.
Read Query(Os& os, RegistryKey key, std::u16string_view name) {
    uint32_t type = 0, size = 0;
    long status = os.RegQueryValueEx(key, name, type, nullptr, size);
    if (status != RegistrySuccess)
        return {status, 0, {}};
    std::string data;
    status = os.RegQueryValueEx(key, name, type, &data, size);
    EXPECT_EQ(size, data.size());
    return {status, type, data};
}

class RegistryExport : public ::testing::Test {
protected:
    TempFolder folder;
    std::string file = folder / "registry.reg";
    std::unique_ptr<Os> os = CreateSystemOs(file, true);
};

TEST_F(RegistryExport, ReadsAVersion5ExportInUtf16) {
    folder.Write(
        "registry.reg",
        Utf16LeWithMark(u"Windows Registry Editor Version 5.00\r\n\r\n"
                        u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer]\r\n"
                        u"\"InstallationDirectory\"=\"C:\\\\Program Files (x86)\\\\TeamViewer\"\r\n"
                        u"\"Version\"=\"15.2 \\\"beta\\\" Almacén\"\r\n"
                        u"\"ClientID\"=dword:3ade68b1\r\n"
                        u"@=\"default\"\r\n"
                        u"; a comment\r\n"
                        u"\"Path\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,5c,00,e9,00,00,00\r\n"
                        u"\"Blob\"=hex:01,02,\\\r\n  03,ff\r\n"
                        u"\"Gone\"=-\r\n\r\n"
                        u"[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Removed]\r\n"
                        u"\"x\"=\"y\"\r\n"));

    RegistryKey key = 0;
    ASSERT_EQ(os->RegOpenKeyEx(LocalMachine, u"software\\WOW6432NODE\\teamviewer", KeyRead, key),
              RegistrySuccess);
    Read directory = Query(*os, key, u"installationdirectory");
    EXPECT_EQ(directory.status, RegistrySuccess);
    EXPECT_EQ(directory.type, RegistryTypeString);
    EXPECT_EQ(directory.data, Z("C:\\Program Files (x86)\\TeamViewer"));
    EXPECT_EQ(Query(*os, key, u"Version").data, Z("15.2 \"beta\" Almac\xE9n"));
    Read id = Query(*os, key, u"ClientID");
    EXPECT_EQ(id.type, RegistryTypeDword);
    EXPECT_EQ(id.data, "\xB1\x68\xDE\x3A");
    EXPECT_EQ(Query(*os, key, u"").data, Z("default"));
    Read path = Query(*os, key, u"Path");
    EXPECT_EQ(path.type, RegistryTypeExpandString);
    EXPECT_EQ(path.data, Z("%PATH%\\\xE9"));
    Read blob = Query(*os, key, u"Blob");
    EXPECT_EQ(blob.type, RegistryTypeBinary);
    EXPECT_EQ(blob.data, "\x01\x02\x03\xFF");
    EXPECT_EQ(Query(*os, key, u"Gone").status, RegistryFileNotFound);
    EXPECT_EQ(Query(*os, key, u"Missing").status, RegistryFileNotFound);

    uint32_t type = 0, size = 4;
    std::string data;
    EXPECT_EQ(os->RegQueryValueEx(key, u"Version", type, &data, size), RegistryMoreData);
    EXPECT_EQ(size, 20u);
    os->RegCloseKey(key);
    EXPECT_EQ(os->RegQueryValueEx(key, u"Version", type, nullptr, size), 6);

    EXPECT_EQ(os->RegOpenKeyEx(LocalMachine, u"SOFTWARE", KeyRead, key), RegistrySuccess);
    os->RegCloseKey(key);
    EXPECT_EQ(os->RegOpenKeyEx(LocalMachine, u"SOFTWARE\\Removed", KeyRead, key),
              RegistryFileNotFound);
    EXPECT_EQ(os->RegOpenKeyEx(0x80000001, u"SOFTWARE\\Wow6432Node\\TeamViewer", KeyRead, key),
              RegistryFileNotFound);
}

TEST_F(RegistryExport, ReadsARegedit4ExportInAnsi) {
    folder.Write("registry.reg", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\TeamViewer]\n"
                                 "\"Version\"=\"15.0 Almac\xE9n\"\n"
                                 "\"Expand\"=hex(2):41,42,00\n");
    RegistryKey key = 0;
    ASSERT_EQ(os->RegOpenKeyEx(LocalMachine, u"SOFTWARE\\TeamViewer", KeyRead, key),
              RegistrySuccess);
    EXPECT_EQ(Query(*os, key, u"Version").data, Z("15.0 Almac\xE9n"));
    Read expand = Query(*os, key, u"Expand");
    EXPECT_EQ(expand.type, RegistryTypeExpandString);
    EXPECT_EQ(expand.data, Z("AB"));
    os->RegCloseKey(key);

    // The file is read again at every opening.
    folder.Write("registry.reg", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n");
    EXPECT_EQ(os->RegOpenKeyEx(LocalMachine, u"SOFTWARE\\TeamViewer", KeyRead, key),
              RegistryFileNotFound);
}

TEST_F(RegistryExport, AMissingOrForeignFileIsAnEmptyRegistry) {
    RegistryKey key = 0;
    EXPECT_EQ(os->RegOpenKeyEx(LocalMachine, u"SOFTWARE", KeyRead, key), RegistryFileNotFound);
    folder.Write("registry.reg", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TeamViewer]\n\"a\"=\"b\"\n");
    EXPECT_EQ(os->RegOpenKeyEx(LocalMachine, u"SOFTWARE", KeyRead, key), RegistryFileNotFound);
}

} // namespace
