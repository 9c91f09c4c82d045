#pragma once

#include "platform/Os.h"

#include <memory>
#include <string>

namespace platform {

#ifdef _WIN32
// The Win32 backend.
std::unique_ptr<Os> CreateSystemOs();
#else
// The Linux backend. The registry is read from a regedit export file; windows64 is what
// the 64-bit test answers.
std::unique_ptr<Os> CreateSystemOs(std::string registryFile, bool windows64);
#endif

} // namespace platform
