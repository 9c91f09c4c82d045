// Runs the start-up steps that exist so far on the demonstration installation: the
// agent check, the workstation profile, and the agent's ClientID, then prints what the
// session knows. The windows come later; until then messages go to the terminal.
#include "agent/AgentDiscovery.h"
#include "agent/AgentInstall.h"
#include "app/Context.h"
#include "identity/InstallationPaths.h"
#include "identity/WorkstationProfile.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"
#include "text/Text.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

std::string Utf8(std::u16string_view text) {
    return text::Utf16ToUtf8(text);
}

class TerminalDialogs : public platform::Dialogs {
public:
    void MessageBox(std::u16string_view title, std::u16string_view text,
                    platform::MessageIcon) override {
        std::cout << "[" << Utf8(title) << "] " << Utf8(text) << "\n";
    }

    std::optional<std::u16string> InputBox(std::u16string_view prompt, std::u16string_view title,
                                           std::u16string_view defaultText) override {
        std::cout << "[" << Utf8(title) << "] " << Utf8(prompt) << " (" << Utf8(defaultText)
                  << "): " << std::flush;
        std::string line;
        if (!std::getline(std::cin, line))
            return std::nullopt;
        return line.empty() ? std::u16string(defaultText) : text::Utf8ToUtf16(line);
    }
};

class NoEvents : public platform::EventPump {
public:
    void ProcessPendingEvents() override {}
};

void Show(const char* name, std::u16string_view value) {
    std::cout << "  " << name << ": " << Utf8(value) << "\n";
}

} // namespace

int main() {
    auto os = platform::CreateSystemOs(ASR_DEMO_REGISTRY_FILE, true);
    TerminalDialogs dialogs;
    NoEvents events;
    app::SessionState session;
    app::Context context{
        *os,
        dialogs,
        events,
        session,
        {identity::ProductionInstallDir(), identity::ProductionPathSeparator(), u"", u""}};

    std::cout << "Installation: " << Utf8(identity::InstallDir(context)) << "\n";
    agent::EnsureAgentInstalled(context);
    identity::LoadWorkstationProfile(context);

    std::cout << "Workstation:\n";
    Show("CustomerCode", session.CustomerCode);
    Show("CustomerName", session.CustomerName);
    Show("TerminalText", session.TerminalText);
    Show("WarehouseText", session.WarehouseText);
    Show("UsesTouchScreen", session.UsesTouchScreen ? u"sí" : u"no");
    std::cout << "Agent:\n";
    Show("ClientID", agent::GetAgentClientId(context));
    Show("Version", agent::GetAgentVersion(context));
    Show("Folder", agent::GetAgentInstallDir(context));
    return 0;
}
