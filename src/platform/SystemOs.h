#pragma once

#include "platform/Os.h"

#include <memory>
#include <string_view>

namespace platform {

// The backend of the system the program is built for, on the installation in that
// folder. Linux has no registry: its backend reads the installation's regedit export
// ("registro.reg") and answers the 64-bit test as a 64-bit Windows would.
std::unique_ptr<Os> CreateSystemOs(std::u16string_view installDir);

} // namespace platform
