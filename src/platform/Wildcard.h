#pragma once

#include <string_view>

namespace platform {

// Whether a file name matches a wildcard pattern of one path component, the way the
// system lists files: "*" any run of characters, "?" exactly one. Case is compared as
// given; lower both sides first for the system's case-blind match.
bool MatchesWildcard(std::u16string_view pattern, std::u16string_view name);

} // namespace platform
