#pragma once

#include "platform/Os.h"

#include <string>
#include <string_view>

namespace identity {

// One ini lookup: the value, or the default when the system reports nothing.
std::u16string ReadIniString(platform::Os& os, std::u16string_view fileName,
                             std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue = {});

// Looks the key up first trimmed, with its inner blanks turned into "_" and no default;
// only when that gives nothing, looks up the key as given with the caller's default.
std::u16string ReadIniValue(platform::Os& os, std::u16string_view fileName,
                            std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue = {});

} // namespace identity
