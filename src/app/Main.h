#pragma once

#include "session/Context.h"
#include "ui/Windows.h"

#include <functional>

namespace app {

// The start-up: the terms first (declined, nothing else runs), then the agent check, the
// workstation profile and the main window. The program then lives on window events
// until no window is left.
void Main(session::Context& context, ui::Windows& windows);

// The start-up a program runs: Main, or a test's stand-in.
using StartUp = std::function<void(session::Context& context, ui::Windows& windows)>;

} // namespace app
