#include "platform/SystemOs.h"

#include "platform/win32/Win32Os.h"

namespace platform {

std::unique_ptr<Os> CreateSystemOs(std::u16string_view) {
    return std::make_unique<win32::Win32Os>();
}

} // namespace platform
