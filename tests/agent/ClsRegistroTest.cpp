#include "agent/ClsRegistro.h"

#include "AgentTestContext.h"

#include <gtest/gtest.h>

namespace agent {
namespace {

// Which root a key path names. Every root holds a value saying which it is, also under
// the sub-keys that look like roots.
TEST(ClsRegistro, TheRootIsTakenFromTheStartOfThePathOrElseFromTheCaller) {
    test_support::WatchedOs os;
    const std::pair<std::u16string, uint32_t> roots[] = {
        {u"HKCR", HkeyClassesRoot},    {u"HKCU", HkeyCurrentUser},   {u"HKLM", HkeyLocalMachine},
        {u"HKU", HkeyUsers},           {u"HKCC", HkeyCurrentConfig}, {u"HKDD", HkeyDynData},
        {u"HKPD", HkeyPerformanceData}};
    for (const auto& [name, root] : roots) {
        os.SetRegistryString(root, u"Software\\Probe", u"Root", name);
        os.SetRegistryString(root, u"hklm\\Software\\Probe", u"Root", name + u" (hklm)");
        os.SetRegistryString(root, u"HKEY_LOCAL_MACHINE\\Probe", u"Root", name + u" (full)");
        os.SetRegistryString(root, u"", u"Root", name + u" itself");
    }
    const struct {
        std::u16string_view path;
        uint32_t given;
        std::u16string_view root;
    } cases[] = {
        {u"HKCR\\Software\\Probe", 0, u"HKCR"},
        {u"HKCU\\Software\\Probe", 0, u"HKCU"},
        {u"HKLM\\Software\\Probe", 0, u"HKLM"},
        {u"HKU\\Software\\Probe", 0, u"HKU"},
        {u"HKCC\\Software\\Probe", 0, u"HKCC"},
        {u"HKDD\\Software\\Probe", 0, u"HKDD"},
        {u"HKPD\\Software\\Probe", 0, u"HKPD"},
        {u"HKEY_CLASSES_ROOT\\Software\\Probe", 0, u"HKCR"},
        {u"HKEY_CURRENT_USER\\Software\\Probe", 0, u"HKCU"},
        {u"HKEY_LOCAL_MACHINE\\Software\\Probe", 0, u"HKLM"},
        {u"HKEY_USERS\\Software\\Probe", 0, u"HKU"},
        {u"HKEY_CURRENT_CONFIG\\Software\\Probe", 0, u"HKCC"},
        {u"HKEY_DYN_DATA\\Software\\Probe", 0, u"HKDD"},
        {u"HKEY_PERFORMANCE_DATA\\Software\\Probe", 0, u"HKPD"},
        {u"   HKLM\\Software\\Probe\\   ", 0, u"HKLM"}, // outer blanks, one closing "\"
        {u"HKEY_CURRENT_CONFIG", 0, u"HKCC itself"},
        {u"HKEY_CURRENT_CONFIG\\", 0, u"HKCC itself"},
        // Lower-case abbreviations are no roots: the caller's root, or the classes root.
        {u"hklm\\Software\\Probe", 0, u"HKCR (hklm)"},
        {u"hklm\\Software\\Probe", HkeyCurrentUser, u"HKCU (hklm)"},
        {u"hklm\\Software\\Probe", 0x80000007, u"HKCR (hklm)"},
        {u"hkey_local_machine\\Software\\Probe", HkeyLocalMachine, u""},
        {u"Software\\HKEY_LOCAL_MACHINE\\Probe", HkeyLocalMachine, u"HKCR (full)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClsRegistro(os).ReadRegKey(std::u16string(c.path), u"Root", c.given), c.root)
            << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(os.openKeys, 0);

    os.queryFails = true;
    EXPECT_THROW(ClsRegistro(os).ReadRegKey(u"HKLM\\Software\\Probe", u"Root"), std::runtime_error);
    EXPECT_EQ(os.openKeys, 0) << "the key is closed even when the query fails";
}

} // namespace
} // namespace agent
