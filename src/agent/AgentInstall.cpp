#include "agent/AgentInstall.h"

#include "agent/AgentDiscovery.h"
#include "platform/Processes.h"
#include "text/Number.h"
#include "text/Text.h"

#include <array>
#include <string>
#include <string_view>

namespace agent {

namespace {

constexpr std::u16string_view NotInstalledTitle = u"Teamviewer no instalado";
constexpr std::u16string_view NotInstalledText =
    u"Este equipo no tienen instalado el programa de acceso remoto, se procede a instalar.";

// Service names and window-title texts, old agents first.
constexpr std::array<std::u16string_view, 2> LegacyAgentNames{u"TeamViewer 9", u"TeamViewer9"};
constexpr std::array<std::u16string_view, 3> AgentNames{u"TeamViewer", u"tv_w32.exe",
                                                        u"tv_x64.exe"};

template <size_t N>
void StopAll(session::Context& context, const std::array<std::u16string_view, N>& names) {
    for (std::u16string_view name : names)
        platform::StopServiceAndProcesses(context.os, context.events, name);
}

void RemoveLegacyAgent(session::Context& context) {
    const std::u16string folder = GetLegacyAgentInstallDir(context);
    if (!folder.empty())
        platform::RunHiddenAndWait(context.os, context.events, folder + u"\\uninstall.exe /S");
}

// One fixed text: the package and its settings are where the Velmorn installer puts them,
// whatever folder the program itself is given.
constexpr std::u16string_view AgentInstallCommandLine =
    u"msiexec.exe /i  C:\\Velmorn3\\TeamViewer_Host.msi /qb CUSTOMCONFIGID=pq4rz8w "
    u"SETTINGSFILE=C:\\Velmorn3\\TeamViewer_Settings.tvopt";

} // namespace

bool IsAgentCurrent(session::Context& context) {
    const std::u16string version = GetAgentVersion(context);
    return text::Val(std::u16string_view(version).substr(0, 2)) > 9;
}

void EnsureAgentInstalled(session::Context& context) {
    if (IsAgentCurrent(context))
        return;
    context.dialogs.MessageBox(NotInstalledTitle, NotInstalledText,
                               platform::MessageIcon::Critical);
    StopAgentAndRemoveLegacy(context);
    platform::StartProgram(context.os, AgentInstallCommandLine, platform::WindowStyle::Normal);
}

void StopAgentAndRemoveLegacy(session::Context& context) {
    StopAll(context, LegacyAgentNames);
    RemoveLegacyAgent(context);
    StopAll(context, AgentNames);
}

} // namespace agent
