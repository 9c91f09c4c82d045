#pragma once

#include "app/Context.h"

namespace ui::qt {

// The program on Linux over a configuration: the start-up, then the windows' events until
// no window is left. The QApplication must exist. Returns the exit status.
int RunProgram(const app::Configuration& config);

} // namespace ui::qt
