#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace text {

// A raised failure that carries its error number, the way the callers of the builder
// and the parser tell failures apart (9: subscript out of range, 6: overflow, ...).
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int32_t number, const std::string& description)
        : std::runtime_error(description), errorNumber(number) {}

    int32_t Number() const noexcept { return errorNumber; }

private:
    int32_t errorNumber;
};

inline constexpr int32_t ErrorOverflow = 6;
inline constexpr int32_t ErrorOutOfMemory = 7;
inline constexpr int32_t ErrorOutOfRange = 9;
inline constexpr int32_t ErrorTypeMismatch = 13;
inline constexpr int32_t ErrorInvalidArgument = 5;
inline constexpr int32_t ErrorDuplicateKey = 457;

} // namespace text
