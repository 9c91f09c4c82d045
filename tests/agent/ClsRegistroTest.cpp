#include "agent/ClsRegistro.h"

#include "AgentTestContext.h"

#include <gtest/gtest.h>

namespace agent {
namespace {

// Which root a key path names. Every root holds a value saying which it is, also under
// the sub-keys that look like roots.
TEST(ClsRegistro, TheRootIsTakenFromTheStartOfThePathOrElseFromTheCaller) {
    test_support::WatchedOs os;
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
        EXPECT_EQ(read(c.path, c.given), c.root) << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(os.openKeys, 0);

    os.queryFails = true;
    EXPECT_THROW(read(u"HKLM\\Software\\Probe"), std::runtime_error);
    EXPECT_EQ(os.openKeys, 0) << "the key is closed even when the query fails";
}

} // namespace
} // namespace agent
