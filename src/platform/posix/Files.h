#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// File names reach the file system as UTF-8. A file without write permission counts as
// read-only, as the Windows attribute does, and is not deleted.
bool IsOrdinaryFile(std::u16string_view path);
bool DeleteOrdinaryFile(std::u16string_view path);
std::optional<std::string> ReadFileBytes(std::u16string_view path);
// Ordinary, not hidden (no leading "."), files whose name matches the last component of
// the pattern, ignoring case: "*" any run of characters, "?" one character.
std::vector<std::u16string> ListMatchingFiles(std::u16string_view pattern);

} // namespace platform::posix
