#include "agent/AgentDiscovery.h"

#include "AgentTestContext.h"

#include <gtest/gtest.h>

namespace agent {
namespace {

using test_support::Hklm;

constexpr char16_t NativeKey[] = u"SOFTWARE\\TeamViewer";
constexpr char16_t Wow64Key[] = u"SOFTWARE\\Wow6432Node\\TeamViewer";
constexpr char16_t NativeLegacyKey[] = u"Software\\TeamViewer\\TeamViewer9";
constexpr char16_t Wow64LegacyKey[] = u"Software\\Wow6432Node\\TeamViewer\\TeamViewer9";

class AgentDiscoveryTest : public ::testing::Test, protected test_support::AgentTestContext {};

// A ClientID or version of fewer than two characters is not taken; what is taken keeps
// its blanks.
TEST_F(AgentDiscoveryTest, ValuesNeedTwoCharactersAndComeAsStored) {
    EXPECT_EQ(GetAgentVersion(context), u"Imposible de detectar");
    os.SetRegistryDword(Hklm, Wow64Key, u"ClientID", 7);
    EXPECT_EQ(GetAgentClientId(context), u"Imposible de detectar");
    os.SetRegistryDword(Hklm, Wow64Key, u"ClientID", 123456789);
    EXPECT_EQ(GetAgentClientId(context), u"123456789");
    for (const auto& [stored, read] :
         {std::pair{u" 987654321 ", u" 987654321 "}, {u" 4 ", u"Imposible de detectar"}}) {
        os.SetRegistryString(Hklm, Wow64Key, u"ClientID", stored);
        os.SetRegistryString(Hklm, Wow64Key, u"Version", stored);
        EXPECT_EQ(GetAgentClientId(context), read);
        EXPECT_EQ(GetAgentVersion(context), read);
    }
}

TEST_F(AgentDiscoveryTest, EachReadLooksOnlyAtTheLayoutOfThisWindows) {
    os.SetRegistryDword(Hklm, NativeKey, u"ClientID", 111111111);
    os.SetRegistryString(Hklm, NativeKey, u"InstallationDirectory", u"C:\\Native");
    os.wow64 = true;
    EXPECT_EQ(GetAgentClientId(context), u"Imposible de detectar");
    EXPECT_EQ(GetAgentInstallDir(context), u"");

    os.wow64 = false;
    EXPECT_EQ(GetAgentClientId(context), u"111111111");
    EXPECT_EQ(GetAgentInstallDir(context), u"C:\\Native");

    os.SetRegistryDword(Hklm, Wow64Key, u"ClientID", 222222222);
    EXPECT_EQ(GetAgentClientId(context), u"111111111") << "the 32-bit layout has no Wow6432Node";
    os.wow64 = true;
    EXPECT_EQ(GetAgentClientId(context), u"222222222");
}

TEST_F(AgentDiscoveryTest, FoldersComeAsStoredOrEmpty) {
    EXPECT_EQ(GetAgentInstallDir(context), u"") << "not the not-found text";
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"");

    os.SetRegistryString(Hklm, u"Software\\Wow6432Node\\TeamViewer", u"InstallationDirectory",
                         u" C:\\Program Files (x86)\\TeamViewer ");
    os.SetRegistryString(Hklm, Wow64LegacyKey, u"InstallationDirectory",
                         u"  C:\\Program Files (x86)\\TeamViewer\\Version9  ");
    os.SetRegistryString(Hklm, NativeLegacyKey, u"InstallationDirectory", u"C:\\Elsewhere");
    EXPECT_EQ(GetAgentInstallDir(context), u" C:\\Program Files (x86)\\TeamViewer ");
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"C:\\Program Files (x86)\\TeamViewer\\Version9");
}

TEST_F(AgentDiscoveryTest, RegistryFailureIsCaughtOnlyByTheVersionAndLegacyFolderReads) {
    os.SetRegistryString(Hklm, Wow64Key, u"Version", u"15.48.4");
    os.failingKey = Wow64Key;
    EXPECT_EQ(GetAgentVersion(context), u"") << "no not-found text after a failure";
    EXPECT_THROW(GetAgentClientId(context), text::RuntimeError);

    os.failingKey = Wow64LegacyKey;
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"");

    os.failingKey = u"Software\\Wow6432Node\\TeamViewer";
    EXPECT_THROW(GetAgentInstallDir(context), text::RuntimeError);
}

} // namespace
} // namespace agent
