#include "agent/ClsRegistro.h"

#include "AgentTestContext.h"

#include <gtest/gtest.h>

namespace agent {
namespace {

using test_support::WatchedOs;

class ClsRegistroTest : public ::testing::Test {
protected:
    std::u16string Read(std::u16string key, std::u16string value = u"", uint32_t hKey = 0) {
        return ClsRegistro(os).ReadRegKey(std::move(key), std::move(value), hKey);
    }

    WatchedOs os;
};

TEST_F(ClsRegistroTest, ReadsEachValueTypeAsText) {
    const std::u16string key = u"SOFTWARE\\Probe";
    os.SetRegistryString(HkeyLocalMachine, key, u"Text", u"Año 15");
    os.SetRegistryString(HkeyLocalMachine, key, u"", u"default");
    os.SetRegistryString(HkeyLocalMachine, key, u"Empty", u"");
    os.SetRegistryValue(HkeyLocalMachine, key, u"Expand", platform::RegistryTypeExpandString,
                        std::string("%ProgramFiles%\\TV\0", 18));
    os.SetRegistryValue(HkeyLocalMachine, key, u"Bytes", platform::RegistryTypeBinary,
                        std::string("AB\xE9Z", 4));
    os.SetRegistryDword(HkeyLocalMachine, key, u"Number", 123456789);
    os.SetRegistryDword(HkeyLocalMachine, key, u"AllBits", 0xFFFFFFFF);
    os.SetRegistryValue(HkeyLocalMachine, key, u"Many", 7, std::string("a\0b\0\0", 5));

    const std::u16string path = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Probe\\";
    EXPECT_EQ(Read(path, u"Text"), u"Año 15");
    EXPECT_EQ(Read(path), u"default");
    EXPECT_EQ(Read(path, u"Empty"), u"");
    EXPECT_EQ(Read(path, u"Expand"), u"%ProgramFiles%\\TV");
    EXPECT_EQ(Read(path, u"Bytes"), u"ABé") << "one character per byte, the last one dropped";
    EXPECT_EQ(Read(path, u"Number"), u"123456789");
    EXPECT_EQ(Read(path, u"AllBits"), u"-1");
    EXPECT_EQ(Read(path, u"Many"), u"") << "other types read as nothing";
    EXPECT_EQ(Read(path, u"Missing"), u"");
    EXPECT_EQ(Read(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Nowhere", u"Text"), u"");
    EXPECT_EQ(os.openKeys, 0);
}

TEST_F(ClsRegistroTest, AbbreviationsAndFullNamesNameTheSameRoot) {
    const std::vector<std::pair<std::u16string, uint32_t>> roots{
        {u"HKCR", HkeyClassesRoot},    {u"HKCU", HkeyCurrentUser},   {u"HKLM", HkeyLocalMachine},
        {u"HKU", HkeyUsers},           {u"HKCC", HkeyCurrentConfig}, {u"HKDD", HkeyDynData},
        {u"HKPD", HkeyPerformanceData}};
    for (const auto& [abbreviation, root] : roots)
        os.SetRegistryString(root, u"Software\\Probe", u"Root", abbreviation);

    for (const auto& [abbreviation, root] : roots)
        EXPECT_EQ(Read(abbreviation + u"\\Software\\Probe", u"Root"), abbreviation);
    EXPECT_EQ(Read(u"HKEY_CURRENT_USER\\Software\\Probe", u"Root"), u"HKCU");
    EXPECT_EQ(Read(u"HKEY_LOCAL_MACHINE\\Software\\Probe", u"Root"), u"HKLM");
    EXPECT_EQ(Read(u"HKEY_USERS\\Software\\Probe", u"Root"), u"HKU");
    EXPECT_EQ(Read(u"HKEY_DYN_DATA\\Software\\Probe", u"Root"), u"HKDD");
    EXPECT_EQ(Read(u"   HKLM\\Software\\Probe\\   ", u"Root"), u"HKLM")
        << "blanks around the path and one closing backslash are ignored";
}

TEST_F(ClsRegistroTest, UnrecognisedRootFallsToTheGivenRootOrClassesRoot) {
    const std::u16string path = u"hklm\\Software\\Probe";
    os.SetRegistryString(HkeyClassesRoot, path, u"Root", u"classes root");
    os.SetRegistryString(HkeyCurrentUser, path, u"Root", u"current user");
    os.SetRegistryString(HkeyLocalMachine, u"Software\\Probe", u"Root", u"local machine");

    EXPECT_EQ(Read(path, u"Root"), u"classes root") << "lower-case abbreviations are not roots";
    EXPECT_EQ(Read(path, u"Root", HkeyCurrentUser), u"current user");
    EXPECT_EQ(Read(path, u"Root", 0x80000007), u"classes root") << "not a predefined root";
    EXPECT_EQ(Read(u"hkey_local_machine\\Software\\Probe", u"Root", HkeyLocalMachine), u"")
        << "the full name is recognised only in capitals";
}

TEST_F(ClsRegistroTest, RootNameAloneOpensTheRoot) {
    os.SetRegistryString(HkeyCurrentConfig, u"", u"OnRoot", u"root value");
    EXPECT_EQ(Read(u"HKEY_CURRENT_CONFIG", u"OnRoot"), u"root value");
    EXPECT_EQ(Read(u"HKEY_CURRENT_CONFIG\\", u"OnRoot"), u"root value");
}

TEST_F(ClsRegistroTest, FullNameAfterTheFirstBackslashMakesAnUnknownRoot) {
    os.SetRegistryString(HkeyClassesRoot, u"HKEY_LOCAL_MACHINE\\Probe", u"Root", u"classes root");
    os.SetRegistryString(HkeyLocalMachine, u"Software\\HKEY_LOCAL_MACHINE\\Probe", u"Root",
                         u"local machine");
    EXPECT_EQ(Read(u"Software\\HKEY_LOCAL_MACHINE\\Probe", u"Root", HkeyLocalMachine),
              u"classes root");
}

TEST_F(ClsRegistroTest, KeyIsClosedEvenWhenTheQueryFails) {
    os.SetRegistryString(HkeyLocalMachine, u"Software\\Probe", u"Root", u"x");
    os.queryFails = true;
    EXPECT_THROW(Read(u"HKLM\\Software\\Probe", u"Root"), std::runtime_error);
    EXPECT_EQ(os.openKeys, 0);
}

} // namespace
} // namespace agent
