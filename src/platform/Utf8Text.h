#pragma once

#include "platform/Os.h"

#include <string>
#include <string_view>

namespace platform {

// The UTF-8 bytes of the text, without a terminating zero.
std::string EncodeUtf8(Os& os, std::u16string_view text);

// One character per UTF-8 byte of the text, each the ANSI character of that byte, so
// that an 8-bit command line carries the UTF-8 bytes to the program it starts.
std::u16string Utf8ByteText(Os& os, std::u16string_view text);

} // namespace platform
