#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// The value of a key in an ini file's content, by the Windows profile rules: section and
// key names ignore case and surrounding blanks, the value loses its surrounding blanks
// and one pair of surrounding quotes, only the first section of a name is searched and
// its first match wins, lines starting with ";" are comments. Nothing when the section or
// key is missing.
std::optional<std::u16string> FindProfileString(std::u16string_view content,
                                                std::u16string_view section,
                                                std::u16string_view key);

// An ini file's text: UTF-16LE behind its byte-order mark, as Notepad saves "Unicode",
// and code page 1252 otherwise.
std::u16string DecodeProfile(std::string_view bytes);

// The same for a file read in code page 1252, or as UTF-16LE when it starts with that
// byte-order mark; the value as code page 1252 gives it back, or the default when the
// file, section or key is missing; at most bufferSize - 1 characters.
std::u16string ReadProfileString(const std::string& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 uint32_t bufferSize);

} // namespace platform::posix
