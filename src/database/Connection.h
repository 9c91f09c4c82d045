#pragma once

#include "database/CharacterSet.h"
#include "database/ClientLibrary.h"
#include "database/Cursor.h"
#include "platform/Os.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace database {

inline constexpr int32_t StateClosed = 0;
inline constexpr int32_t StateOpen = 1;

// A connection to a Firebird database, shaped like the ADO Connection the program has
// always used: made closed, opened with a connection string, asked for its State,
// closed. Failures raise DatabaseError with the client's message.
class Connection {
public:
    // The client library is loaded through the OS when the connection opens.
    explicit Connection(platform::Os& os) : os(os) {}
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The user id, password and options of the ADO call are accepted for its shape; the
    // connection string carries the user and password that are used.
    void Open(std::u16string_view connectionString, std::u16string_view userId = {},
              std::u16string_view password = {}, int32_t options = -1);
    int32_t State() const { return open ? StateOpen : StateClosed; }
    // Closes the queries still open on it, then detaches.
    void Close();
    const std::u16string& ConnectionString() const { return connectionString; }

    // A query run on this connection; it must be open.
    std::shared_ptr<Cursor> OpenCursor(std::u16string_view sql);

private:
    void CloseCursors();
    void Detach();

    platform::Os& os;
    std::u16string connectionString;
    std::optional<ClientLibrary> client; // loaded when the connection opens
    std::optional<CharacterSet> characterSet;
    StatementSettings settings;
    firebird::Handle database{};
    bool open = false;
    std::vector<std::weak_ptr<Cursor>> cursors;
};

} // namespace database
