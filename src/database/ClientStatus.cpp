#include "database/ClientStatus.h"

#include "database/DatabaseError.h"

#include <string>

namespace database {

namespace {

bool HoldsError(const firebird::StatusVector& status) {
    return status[0] == 1 && status[1] != 0;
}

// The client's text, one line per message of the vector.
std::string InterpretedMessage(const ClientLibrary& client, const firebird::StatusVector& status) {
    std::string message;
    const firebird::Status* cursor = status;
    char line[1024];
    while (client.interpret(line, sizeof line, &cursor) > 0) {
        if (!message.empty())
            message += '\n';
        message += line;
    }
    return message;
}

} // namespace

void ThrowOnError(const ClientLibrary& client, const firebird::StatusVector& status) {
    if (HoldsError(status))
        throw DatabaseError(status[1], InterpretedMessage(client, status));
}

} // namespace database
