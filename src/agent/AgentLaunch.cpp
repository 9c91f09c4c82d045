#include "agent/AgentLaunch.h"

#include "agent/AgentDiscovery.h"
#include "agent/AgentInstall.h"
#include "platform/Processes.h"
#include "text/Encoding.h"

#include <exception>
#include <string>
#include <string_view>

namespace agent {

namespace {

constexpr std::u16string_view LaunchFailedTitle = u"Asistencia Remota";
constexpr std::u16string_view LaunchFailedText = u"Ha ocurrido el siguiente error: ";

void StopAndStartAgent(session::Context& context) {
    StopAgentAndRemoveLegacy(context);
    const std::u16string folder = GetAgentInstallDir(context);
    platform::StartProgram(context.os, folder + u"\\TeamViewer.exe", platform::WindowStyle::Normal);
    context.events.ProcessPendingEvents();
}

void ShowLaunchFailure(session::Context& context, std::u16string_view description) {
    std::u16string message(LaunchFailedText);
    message += description;
    context.dialogs.MessageBox(LaunchFailedTitle, message, platform::MessageIcon::Critical);
}

} // namespace

void LaunchAgent(session::Context& context) {
    try {
        StopAndStartAgent(context);
    } catch (const std::exception& failure) {
        ShowLaunchFailure(context, text::Utf8ToUtf16(failure.what()));
    } catch (...) {
        ShowLaunchFailure(context, u"");
    }
}

} // namespace agent
