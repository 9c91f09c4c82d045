#include "app/Main.h"

#include "agent/AgentInstall.h"
#include "identity/WorkstationProfile.h"
#include "ui/Splash.h"
#include "ui/frmMain.h"

namespace app {

void Main(session::Context& context, ui::Windows& windows) {
    if (!windows.SplashWindow().Seguir())
        return;
    agent::EnsureAgentInstalled(context);
    identity::LoadWorkstationProfile(context);
    windows.MainWindow().Show();
}

} // namespace app
