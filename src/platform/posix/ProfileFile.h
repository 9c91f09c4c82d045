#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// The value of a key in an ini file's content, by the Windows profile rules: section and
// key names ignore case and surrounding blanks, the value loses its surrounding blanks
// and one pair of surrounding quotes, the first match wins, lines starting with ";" are
// comments. Nothing when the section or key is missing.
std::optional<std::u16string> FindProfileString(std::u16string_view content,
                                                std::u16string_view section,
                                                std::u16string_view key);

// The same for a file read in code page 1252; the default when the file, section or key
// is missing, at most bufferSize - 1 characters.
std::u16string ReadProfileString(const std::string& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 uint32_t bufferSize);

} // namespace platform::posix
