#pragma once

#include <cstddef>

namespace platform {

// The few facts of the system the program is built for that portable code needs; the
// one place outside the backends that asks which system that is.
#ifdef _WIN32
// The separator of the installation's paths.
inline constexpr char16_t PathSeparator = u'\\';
// The longest command line that reaches a program whole, without its terminating zero.
inline constexpr size_t CommandLineLimit = 32767 - 1;
// The calling convention of the system's C libraries (Firebird's client among them).
#define ASR_SYSTEM_CALL __stdcall
#else
inline constexpr char16_t PathSeparator = u'/';
// On Linux, the limit of one argument (MAX_ARG_STRLEN), the URL's.
inline constexpr size_t CommandLineLimit = 128 * 1024 - 1;
#define ASR_SYSTEM_CALL
#endif

} // namespace platform
