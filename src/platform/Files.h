#pragma once

#include "platform/Os.h"

#include <string>
#include <string_view>

namespace platform {

// True for an existing ordinary file; a folder or a wildcard pattern is never a file.
bool CheckFileExists(Os& os, std::u16string_view path);

// Deletes the file, or every ordinary file matching a pattern with "*". True when,
// afterwards, the path names no existing file.
bool DeleteFiles(Os& os, std::u16string_view path);

// The whole file as text: decoded as UTF-8 when its well-formed multi-byte sequences
// outnumber its invalid bytes (each broken sequence becoming U+FFFD), in the ANSI code
// page otherwise; the empty text when it is missing, unreadable or empty.
std::u16string ReadWholeFile(Os& os, std::u16string_view path);

} // namespace platform
