#pragma once

#include "session/Context.h"

namespace agent {

// Stops every running agent and starts the current one afresh from its folder. A failing
// step is shown to the user; a TeamViewer.exe that will not start is not.
void LaunchAgent(session::Context& context);

} // namespace agent
