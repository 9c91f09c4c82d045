#pragma once

#include "database/CharacterSet.h"
#include "database/ClientLibrary.h"
#include "database/FieldValue.h"
#include "database/ResultColumns.h"

#include <optional>
#include <string>
#include <string_view>

namespace database {

// How statements run on a connection.
struct StatementSettings {
    bool noWait = false;
    bool autoCommit = false;
    int16_t dialect = 3;
};

// One forward-only query in its own transaction: executed when made, read row by row,
// and ended by Close, which commits when the connection commits every statement by
// itself and rolls back otherwise. Raises DatabaseError with the client's message.
class Cursor {
public:
    Cursor(const ClientLibrary& client, firebird::Handle& database,
           const StatementSettings& settings, const CharacterSet& characterSet,
           std::u16string_view sql);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    // Moves to the next row; false once there is none.
    bool Fetch();

    size_t ColumnCount() const { return columns.Count(); }
    // The first column whose name (its alias) matches, ignoring case.
    std::optional<size_t> ColumnIndex(std::u16string_view name) const;
    FieldValue Column(size_t index) const { return columns.Value(index, characterSet); }

    bool IsOpen() const { return transaction != firebird::Handle{}; }
    void Close();

private:
    void Start();
    void Prepare(std::u16string_view sql);
    void Execute();
    void Release() noexcept;
    void Check(const firebird::StatusVector& status) const;

    const ClientLibrary client;
    firebird::Handle& database;
    StatementSettings settings;
    CharacterSet characterSet;
    firebird::Handle transaction{};
    firebird::Handle statement{};
    ResultColumns columns;
};

} // namespace database
