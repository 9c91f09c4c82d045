#pragma once

#include "session/Context.h"

namespace app::win32 {

// The program on Windows over a configuration: the start-up, then the windows' messages
// until no window is left. Returns the exit status; failures are thrown.
int RunProgram(const session::Configuration& config);

} // namespace app::win32
