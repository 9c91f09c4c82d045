#pragma once

#include "session/Context.h"

namespace agent {

// True when the recorded agent version is 10 or later.
bool IsAgentCurrent(session::Context& context);

// At start-up: when the agent is missing or too old, tells the user, removes every old
// agent and starts the installer without waiting for it.
void EnsureAgentInstalled(session::Context& context);

// Stops every agent, the current one included, and uninstalls a version-9 agent.
void StopAgentAndRemoveLegacy(session::Context& context);

} // namespace agent
