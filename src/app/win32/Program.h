#pragma once

#include "app/Main.h"
#include "session/Context.h"

namespace app::win32 {

// The program on Windows over a configuration: the start-up, then the windows' messages
// until no window is left. A failure that reaches here is told to the user as a window's
// failure is, and ends the program. Returns the exit status, 1 after a failure.
int RunProgram(const session::Configuration& config, const StartUp& startUp = Main);

} // namespace app::win32
