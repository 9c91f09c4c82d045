#include "ChildProcess.h"
#include "platform/win32/Win32Os.h"

#include <gtest/gtest.h>

namespace {

using platform::RegistryKey;
using platform::win32::Win32Os;
using win32test::RunToEnd;

constexpr RegistryKey LocalMachine = 0x80000002;
constexpr RegistryKey CurrentUser = 0x80000001;
const std::u16string AgentKey = u"SOFTWARE\\Wow6432Node\\TeamViewer";
const std::u16string TestKey = u"Software\\AsistenciaRemota\\RegistryTest";

void RegAdd(std::u16string_view key, std::u16string_view name, std::u16string_view type,
            std::u16string_view data) {
    ASSERT_EQ(RunToEnd(u"reg.exe add \"" + std::u16string(key) + u"\" /v " + std::u16string(name) +
                       u" /t " + std::u16string(type) + u" /d " + std::u16string(data) + u" /f"),
              0u);
}

struct ValueRead {
    long status = 0;
    uint32_t type = 0;
    uint32_t reportedSize = 0;
    std::string data;
};

// The two calls a reader makes: type and size first, then the data.
ValueRead ReadValue(Win32Os& os, RegistryKey root, std::u16string_view path,
                    std::u16string_view name) {
    RegistryKey key = 0;
    ValueRead read;
    read.status = os.RegOpenKeyEx(root, path, platform::KeyRead, key);
    if (read.status != platform::RegistrySuccess)
        return read;
    read.status = os.RegQueryValueEx(key, name, read.type, nullptr, read.reportedSize);
    uint32_t size = read.reportedSize;
    if (read.status == platform::RegistrySuccess && size > 0)
        read.status = os.RegQueryValueEx(key, name, read.type, &read.data, size);
    os.RegCloseKey(key);
    return read;
}

TEST(Win32Registry, ReadsWhatRegAddStored) {
    RegAdd(u"HKLM\\" + AgentKey, u"ClientID", u"REG_DWORD", u"123456789");
    RegAdd(u"HKCU\\" + TestKey, u"AllBits", u"REG_DWORD", u"0xffffffff");
    RegAdd(u"HKCU\\" + TestKey, u"Empty", u"REG_SZ", u"\"\"");
    RegAdd(u"HKCU\\" + TestKey, u"Folder", u"REG_SZ", u"\"C:\\Archivos de programa\\Año\"");
    RegAdd(u"HKCU\\" + TestKey, u"Expandable", u"REG_EXPAND_SZ", u"%SystemRoot%\\osk.exe");
    Win32Os os;

    ValueRead clientId = ReadValue(os, LocalMachine, AgentKey, u"ClientID");
    EXPECT_EQ(clientId.status, platform::RegistrySuccess);
    EXPECT_EQ(clientId.type, platform::RegistryTypeDword);
    EXPECT_EQ(clientId.reportedSize, 4u);
    EXPECT_EQ(clientId.data, std::string("\x15\xCD\x5B\x07", 4));

    EXPECT_EQ(ReadValue(os, CurrentUser, TestKey, u"AllBits").data, std::string(4, '\xFF'));

    ValueRead empty = ReadValue(os, CurrentUser, TestKey, u"Empty");
    EXPECT_EQ(empty.type, platform::RegistryTypeString);
    EXPECT_EQ(empty.reportedSize, 1u);
    EXPECT_EQ(empty.data, std::string(1, '\0'));

    ValueRead folder = ReadValue(os, CurrentUser, TestKey, u"Folder");
    EXPECT_EQ(folder.data, std::string("C:\\Archivos de programa\\A\xF1o\0", 28));

    ValueRead expandable = ReadValue(os, CurrentUser, TestKey, u"Expandable");
    EXPECT_EQ(expandable.type, platform::RegistryTypeExpandString);
    EXPECT_EQ(expandable.data, std::string("%SystemRoot%\\osk.exe\0", 21));
}

TEST(Win32Registry, ReportsMissingKeysValuesAndShortBuffers) {
    RegAdd(u"HKCU\\" + TestKey, u"Name", u"REG_SZ", u"TeamViewer");
    Win32Os os;
    EXPECT_EQ(ReadValue(os, CurrentUser, u"Software\\AsistenciaRemota\\NoSuchKey", u"Name").status,
              platform::RegistryFileNotFound);

    ValueRead missing = ReadValue(os, CurrentUser, TestKey, u"NoSuchValue");
    EXPECT_EQ(missing.status, platform::RegistryFileNotFound);
    EXPECT_EQ(missing.reportedSize, 0u);

    RegistryKey key = 0;
    ASSERT_EQ(os.RegOpenKeyEx(CurrentUser, TestKey, platform::KeyRead, key),
              platform::RegistrySuccess);
    uint32_t type = 0, size = 4;
    std::string data;
    EXPECT_EQ(os.RegQueryValueEx(key, u"Name", type, &data, size), platform::RegistryMoreData);
    EXPECT_EQ(size, 11u);
    size = 11;
    EXPECT_EQ(os.RegQueryValueEx(key, u"Name", type, &data, size), platform::RegistrySuccess);
    EXPECT_EQ(data, std::string("TeamViewer\0", 11));
    os.RegCloseKey(key);
}

} // namespace
