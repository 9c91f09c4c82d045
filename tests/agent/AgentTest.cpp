#include "FakeOs.h"
#include "agent/AgentDiscovery.h"
#include "agent/AgentInstall.h"
#include "agent/AgentLaunch.h"
#include "agent/ClsRegistro.h"
#include "text/Encoding.h"
#include "text/RuntimeError.h"
#include "text/Text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace agent {
namespace {

constexpr char16_t NativeKey[] = u"SOFTWARE\\TeamViewer";
constexpr char16_t Wow64Key[] = u"SOFTWARE\\Wow6432Node\\TeamViewer";
constexpr char16_t NativeLegacyKey[] = u"Software\\TeamViewer\\TeamViewer9";
constexpr char16_t Wow64LegacyKey[] = u"Software\\Wow6432Node\\TeamViewer\\TeamViewer9";
constexpr char16_t Dir[] = u"InstallationDirectory";
constexpr char16_t Installer[] =
    u"msiexec.exe /i  C:\\Velmorn3\\TeamViewer_Host.msi /qb CUSTOMCONFIGID=pq4rz8w "
    u"SETTINGSFILE=C:\\Velmorn3\\TeamViewer_Settings.tvopt";

// The scripted OS, plus what the agent code must survive: a registry that fails outright
// for one key, or for every query.
class WatchedOs : public fixtures::FakeOs {
public:
    long RegOpenKeyEx(platform::RegistryKey root, std::u16string_view subKey, uint32_t access,
                      platform::RegistryKey& key) override {
        if (!failingKey.empty() && text::EqualsIgnoreCase(subKey, failingKey))
            throw text::RuntimeError(70, "Permiso denegado");
        return FakeOs::RegOpenKeyEx(root, subKey, access, key);
    }
    long RegQueryValueEx(platform::RegistryKey key, std::u16string_view valueName, uint32_t& type,
                         std::string* data, uint32_t& size) override {
        if (queryFails)
            throw std::runtime_error("registry query failed");
        return FakeOs::RegQueryValueEx(key, valueName, type, data, size);
    }
    std::u16string failingKey;
    bool queryFails = false;
};

class AgentTest : public ::testing::Test, protected fixtures::Installation<WatchedOs> {
protected:
    void Set(std::u16string key, std::u16string name, std::u16string value) {
        os.SetRegistryString(HkeyLocalMachine, std::move(key), std::move(name), std::move(value));
    }
    std::vector<std::u16string> StartedCommands() const {
        std::vector<std::u16string> commands;
        for (const auto& program : os.started)
            commands.push_back(program.commandLine);
        return commands;
    }
    // The stops in their order, the legacy uninstaller when there is one, then the installer.
    static std::vector<std::u16string> InstallCommands(std::u16string uninstaller = {}) {
        std::vector<std::u16string> commands{
            u"Net Stop \"TeamViewer 9\"", u"Net Stop \"TeamViewer9\"", u"Net Stop \"TeamViewer\"",
            u"Net Stop \"tv_w32.exe\"",   u"Net Stop \"tv_x64.exe\"",  Installer};
        if (!uninstaller.empty())
            commands.insert(commands.begin() + 2, uninstaller);
        return commands;
    }
};

// A ClientID or version of fewer than two characters is not taken; what is taken keeps
// its blanks.
TEST_F(AgentTest, ValuesNeedTwoCharactersAndComeAsStored) {
    EXPECT_EQ(GetAgentVersion(context), NotFoundText);
    os.SetRegistryDword(HkeyLocalMachine, Wow64Key, u"ClientID", 7);
    EXPECT_EQ(GetAgentClientId(context), NotFoundText);
    os.SetRegistryDword(HkeyLocalMachine, Wow64Key, u"ClientID", 123456789);
    EXPECT_EQ(GetAgentClientId(context), u"123456789");
    for (const auto& [stored, read] :
         {std::pair{u" 987654321 ", u" 987654321 "}, {u" 4 ", u"Imposible de detectar"}}) {
        Set(Wow64Key, u"ClientID", stored);
        Set(Wow64Key, u"Version", stored);
        EXPECT_EQ(GetAgentClientId(context), read);
        EXPECT_EQ(GetAgentVersion(context), read);
    }
}

TEST_F(AgentTest, EachReadLooksOnlyAtTheLayoutOfThisWindowsAndFoldersComeAsStored) {
    EXPECT_EQ(GetAgentInstallDir(context), u"") << "not the not-found text";
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"");
    os.SetRegistryDword(HkeyLocalMachine, NativeKey, u"ClientID", 111111111);
    Set(NativeKey, Dir, u"C:\\Native");
    Set(NativeLegacyKey, Dir, u" C:\\Native9 ");
    Set(Wow64Key, Dir, u" C:\\Program Files (x86)\\TeamViewer ");
    Set(Wow64LegacyKey, Dir, u"  C:\\Program Files (x86)\\TeamViewer\\Version9  ");
    EXPECT_EQ(GetAgentClientId(context), NotFoundText);
    EXPECT_EQ(GetAgentInstallDir(context), u" C:\\Program Files (x86)\\TeamViewer ");
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"C:\\Program Files (x86)\\TeamViewer\\Version9");
    os.wow64 = false;
    EXPECT_EQ(GetAgentClientId(context), u"111111111");
    EXPECT_EQ(GetAgentInstallDir(context), u"C:\\Native");
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"C:\\Native9");
    os.SetRegistryDword(HkeyLocalMachine, Wow64Key, u"ClientID", 222222222);
    EXPECT_EQ(GetAgentClientId(context), u"111111111") << "the 32-bit layout has no Wow6432Node";
}

// The folder read's failure reaching its caller is the failing launch's case.
TEST_F(AgentTest, RegistryFailureIsCaughtOnlyByTheVersionAndLegacyFolderReads) {
    Set(Wow64Key, u"Version", u"15.48.4");
    Set(Wow64LegacyKey, Dir, u"C:\\TV9");
    os.failingKey = Wow64Key;
    EXPECT_EQ(GetAgentVersion(context), u"") << "no not-found text after a failure";
    EXPECT_THROW(GetAgentClientId(context), text::RuntimeError);
    os.failingKey = Wow64LegacyKey;
    EXPECT_EQ(GetLegacyAgentInstallDir(context), u"");
}

// A missing, old or unreadable agent is replaced, without the legacy uninstaller when
// there is no legacy folder.
TEST_F(AgentTest, OnlyAnAgentBeforeVersionTenIsReplaced) {
    for (const auto& [version, current] : {std::pair{u"", false},
                                           {u"15.48.4", true},
                                           {u"10", true},
                                           {u"9.0.1", false},
                                           {u" 1 ", false},
                                           {u"99.1", true}}) {
        SCOPED_TRACE(text::Utf16ToUtf8(version));
        if (*version)
            Set(Wow64Key, u"Version", version);
        os.started.clear();
        dialogs.messages.clear();
        EXPECT_EQ(IsAgentCurrent(context), current);
        EnsureAgentInstalled(context);
        EXPECT_EQ(dialogs.messages.empty(), current);
        EXPECT_EQ(StartedCommands(), current ? std::vector<std::u16string>{} : InstallCommands());
    }
    os.failingKey = Wow64Key;
    os.started.clear();
    EnsureAgentInstalled(context);
    EXPECT_EQ(StartedCommands(), InstallCommands());
}

TEST_F(AgentTest, OldAgentIsReportedStoppedUninstalledAndReplaced) {
    Set(Wow64Key, u"Version", u"9.0.1");
    Set(Wow64LegacyKey, Dir, u" C:\\TV9 ");
    os.ScriptProgram(u"msiexec.exe", {.pollsUntilExit = -1});
    size_t startedWhenTold = 99;
    dialogs.onMessage = [&] { startedWhenTold = os.started.size(); };

    EnsureAgentInstalled(context);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(startedWhenTold, 0u) << "the user is told before anything runs";
    EXPECT_EQ(dialogs.messages[0].title, u"Teamviewer no instalado");
    EXPECT_EQ(dialogs.messages[0].text,
              u"Este equipo no tienen instalado el programa de acceso remoto, se procede a "
              u"instalar.");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(StartedCommands(), InstallCommands(u"C:\\TV9\\uninstall.exe /S"));
    for (size_t i = 0; i + 1 < os.started.size(); ++i) {
        EXPECT_EQ(os.started[i].style, platform::WindowStyle::Hidden);
        EXPECT_FALSE(os.IsRunning(os.started[i].id)) << "waited for: " << i;
    }
    EXPECT_EQ(os.started.back().style, platform::WindowStyle::Normal);
    EXPECT_TRUE(os.IsRunning(os.started.back().id)) << "the installer is not waited for";
}

TEST_F(AgentTest, LaunchStopsTheRunningAgentBeforeItStartsAgain) {
    Set(u"Software\\Wow6432Node\\TeamViewer", Dir, u"C:\\Program Files (x86)\\TeamViewer");
    const auto running = os.AddProcess({.pollsUntilExit = -1});
    os.AddWindow(u"TeamViewer", running);
    size_t callsAtLastPump = 0;
    events.onPump = [&] { callsAtLastPump = os.calls.size(); };

    LaunchAgent(context);

    auto at = [&](std::u16string_view call) {
        return size_t(std::find(os.calls.begin(), os.calls.end(), call) - os.calls.begin());
    };
    const size_t stopped = at(u"TerminateProcess " + text::FromInt(running));
    EXPECT_LT(at(u"CreateProcess Net Stop \"TeamViewer\""), stopped);
    EXPECT_LT(stopped, os.calls.size() - 1);
    EXPECT_EQ(os.calls.back(), u"CreateProcess C:\\Program Files (x86)\\TeamViewer\\TeamViewer.exe")
        << "the agent is the last program started";
    EXPECT_EQ(os.started.back().style, platform::WindowStyle::Normal);
    EXPECT_TRUE(os.IsRunning(os.started.back().id)) << "started, not waited for";
    EXPECT_EQ(callsAtLastPump, os.calls.size()) << "events run once the agent is started";
    EXPECT_TRUE(dialogs.messages.empty());

    // No folder: a command line the system cannot start, and no message.
    os.ScriptProgram(u"\\TeamViewer.exe", {.failsToStart = true});
    Set(u"Software\\Wow6432Node\\TeamViewer", Dir, u"");
    LaunchAgent(context);
    EXPECT_EQ(os.started.back().commandLine, u"\\TeamViewer.exe");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AgentTest, FailingLaunchStepIsShownAndTheAgentIsNotStarted) {
    os.failingKey = u"Software\\Wow6432Node\\TeamViewer";
    LaunchAgent(context);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, u"Asistencia Remota");
    EXPECT_EQ(dialogs.messages[0].text, u"Ha ocurrido el siguiente error: Permiso denegado");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    ASSERT_FALSE(os.started.empty());
    EXPECT_EQ(os.started.back().commandLine, u"Net Stop \"tv_x64.exe\"")
        << "the stops ran, the agent was not started";
}

// Which root a key path names. Every root holds a value saying which it is, also under
// the sub-keys that look like roots.
TEST(ClsRegistro, TheRootIsTakenFromTheStartOfThePathOrElseFromTheCaller) {
    WatchedOs os;
    // clang-format off
    const std::tuple<std::u16string, std::u16string, uint32_t> roots[] = {
        {u"HKCR", u"HKEY_CLASSES_ROOT", HkeyClassesRoot}, {u"HKCU", u"HKEY_CURRENT_USER", HkeyCurrentUser},
        {u"HKLM", u"HKEY_LOCAL_MACHINE", HkeyLocalMachine}, {u"HKU", u"HKEY_USERS", HkeyUsers},
        {u"HKCC", u"HKEY_CURRENT_CONFIG", HkeyCurrentConfig}, {u"HKDD", u"HKEY_DYN_DATA", HkeyDynData},
        {u"HKPD", u"HKEY_PERFORMANCE_DATA", HkeyPerformanceData}};
    // clang-format on
    for (const auto& [name, fullName, root] : roots) {
        os.SetRegistryString(root, u"Software\\Probe", u"Root", name);
        os.SetRegistryString(root, u"hklm\\Software\\Probe", u"Root", name + u" (hklm)");
        os.SetRegistryString(root, u"HKEY_LOCAL_MACHINE\\Probe", u"Root", name + u" (full)");
        os.SetRegistryString(root, u"", u"Root", name + u" itself");
    }
    auto read = [&os](std::u16string path, uint32_t given = 0) {
        return ClsRegistro(os).ReadRegKey(std::move(path), u"Root", given);
    };
    for (const auto& [name, fullName, root] : roots) {
        EXPECT_EQ(read(name + u"\\Software\\Probe"), name);
        EXPECT_EQ(read(fullName + u"\\Software\\Probe"), name);
    }
    const struct {
        std::u16string path;
        uint32_t given;
        std::u16string_view root;
    } cases[] = {{u"   HKLM\\Software\\Probe\\   ", 0, u"HKLM"}, // outer blanks, one closing "\"
                 {u"HKEY_CURRENT_CONFIG", 0, u"HKCC itself"},
                 {u"HKEY_CURRENT_CONFIG\\", 0, u"HKCC itself"},
                 // Lower-case abbreviations are no roots: the caller's root, or the classes root.
                 {u"hklm\\Software\\Probe", 0, u"HKCR (hklm)"},
                 {u"hklm\\Software\\Probe", HkeyCurrentUser, u"HKCU (hklm)"},
                 {u"hklm\\Software\\Probe", 0x80000007, u"HKCR (hklm)"},
                 {u"hkey_local_machine\\Software\\Probe", HkeyLocalMachine, u""},
                 {u"Software\\HKEY_LOCAL_MACHINE\\Probe", HkeyLocalMachine, u"HKCR (full)"}};
    for (const auto& c : cases)
        EXPECT_EQ(read(c.path, c.given), c.root) << text::Utf16ToUtf8(c.path);
    EXPECT_TRUE(os.openKeys.empty());
    os.queryFails = true;
    EXPECT_THROW(read(u"HKLM\\Software\\Probe"), std::runtime_error);
    EXPECT_TRUE(os.openKeys.empty()) << "the key is closed even when the query fails";
}

} // namespace
} // namespace agent
