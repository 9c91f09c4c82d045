#pragma once

#include "platform/EventPump.h"
#include "platform/Os.h"

#include <set>
#include <string>
#include <string_view>

namespace platform {

// The first top-level window, in z-order, whose title equals (exact) or contains the
// text, ignoring case; 0 when none. Every window visited lets pending events run.
WindowHandle FindWindowByTitle(Os& os, EventPump& events, std::u16string_view text, bool exact);

// The same walk, passing over the windows already dealt with.
WindowHandle FindWindowPassingOver(Os& os, EventPump& events, std::u16string_view text, bool exact,
                                   const std::set<WindowHandle>& passedOver);

std::u16string GetWindowTitle(Os& os, WindowHandle window);

} // namespace platform
