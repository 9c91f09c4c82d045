#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace database {

// What a connection string of the form "name=value;name=value;..." asks of the database
// client. Names are matched ignoring case; names the client does not use (Driver) are
// ignored.
struct ConnectionAttributes {
    std::u16string database; // server:path, resolved on the server
    std::u16string user;
    std::u16string password;
    bool noWait = false;
    int16_t dialect = 3;
    bool autoCommit = false;
    std::u16string characterSet;
    std::u16string client; // path of the client library
};

ConnectionAttributes ParseConnectionString(std::u16string_view connectionString);

} // namespace database
