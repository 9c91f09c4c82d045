#pragma once

#include "session/Context.h"

namespace app::qt {

// The program on Linux over a configuration: the start-up, then the windows' events until
// no window is left. The QApplication must exist. Returns the exit status.
int RunProgram(const session::Configuration& config);

} // namespace app::qt
