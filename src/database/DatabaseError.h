#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace database {

// A failure reported by the database client: its error code (0 when the failure is not
// the server's, such as a library that cannot be loaded) and its message.
class DatabaseError : public std::runtime_error {
public:
    DatabaseError(intptr_t code, const std::string& message)
        : std::runtime_error(message), errorCode(code) {}

    intptr_t Code() const noexcept { return errorCode; }

private:
    intptr_t errorCode;
};

} // namespace database
