#include "agent/AgentDiscovery.h"

#include "agent/ClsRegistro.h"
#include "platform/Processes.h"
#include "text/Text.h"

namespace agent {

namespace {

struct AgentKey {
    std::u16string_view native;
    std::u16string_view wow64;
};

constexpr AgentKey IdentityKey{u"HKEY_LOCAL_MACHINE\\SOFTWARE\\TeamViewer\\",
                               u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\TeamViewer\\"};
constexpr AgentKey FolderKey{u"HKEY_LOCAL_MACHINE\\Software\\TeamViewer\\",
                             u"HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\TeamViewer\\"};
constexpr AgentKey LegacyFolderKey{
    u"HKEY_LOCAL_MACHINE\\Software\\TeamViewer\\TeamViewer9\\",
    u"HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\TeamViewer\\TeamViewer9\\"};

std::u16string ReadAgentValue(session::Context& context, const AgentKey& key,
                              std::u16string_view valueName, uint32_t hKey) {
    const std::u16string_view path = platform::IsWow64(context.os) ? key.wow64 : key.native;
    ClsRegistro registry(context.os);
    return registry.ReadRegKey(std::u16string(path), std::u16string(valueName), hKey);
}

// A value shorter than two characters, blanks aside, is no usable ClientID or version.
std::u16string OrNotFound(std::u16string value) {
    if (text::Trim(value).size() < 2)
        return std::u16string(NotFoundText);
    return value;
}

} // namespace

std::u16string GetAgentClientId(session::Context& context) {
    return OrNotFound(ReadAgentValue(context, IdentityKey, u"ClientID", HkeyLocalMachine));
}

std::u16string GetAgentVersion(session::Context& context) {
    std::u16string version;
    try {
        version = OrNotFound(ReadAgentValue(context, IdentityKey, u"Version", HkeyLocalMachine));
    } catch (...) {
        // The start-up check must go on: what was read so far stands (normally nothing).
    }
    return version;
}

std::u16string GetAgentInstallDir(session::Context& context) {
    return ReadAgentValue(context, FolderKey, u"InstallationDirectory", HkeyCurrentUser);
}

std::u16string GetLegacyAgentInstallDir(session::Context& context) {
    std::u16string folder;
    try {
        folder =
            ReadAgentValue(context, LegacyFolderKey, u"InstallationDirectory", HkeyCurrentUser);
    } catch (...) {
        // No legacy folder is as good as a missing one: the uninstaller is just not run.
    }
    return text::Trim(folder);
}

} // namespace agent
