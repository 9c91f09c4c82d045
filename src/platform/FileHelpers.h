#pragma once

#include "platform/Os.h"

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// The UTF-8 bytes of the text, without a terminating zero.
std::string EncodeUtf8(Os& os, std::u16string_view text);

// One character per UTF-8 byte of the text, each the ANSI character of that byte, so
// that an 8-bit command line carries the UTF-8 bytes to the program it starts.
std::u16string Utf8ByteText(Os& os, std::u16string_view text);

// True for an existing ordinary file; a folder or a wildcard pattern is never a file.
bool CheckFileExists(Os& os, std::u16string_view path);

// Deletes the file, or every ordinary file matching a pattern with "*". True when,
// afterwards, the path names no existing file.
bool DeleteFiles(Os& os, std::u16string_view path);

// The whole file as text: decoded as UTF-8 when its well-formed multi-byte sequences
// outnumber its invalid bytes (each broken sequence becoming U+FFFD), in the ANSI code
// page otherwise; the empty text when it is missing, unreadable or empty.
std::u16string ReadWholeFile(Os& os, std::u16string_view path);

// Opens a document or web address with the shell, in the installation folder.
void ShellOpen(Os& os, std::u16string_view target, std::u16string_view installDir,
               char16_t pathSeparator = u'\\');

// Gives the focus to a control (when a way to do so is given) and brings up the
// on-screen keyboard.
void ShowOnScreenKeyboard(Os& os, const std::function<void()>& giveFocus = {});

} // namespace platform
