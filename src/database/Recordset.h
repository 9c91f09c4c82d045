#pragma once

#include "database/Connection.h"
#include "database/Cursor.h"
#include "database/FieldValue.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace database {

inline constexpr int32_t CursorForwardOnly = 0;
inline constexpr int32_t Unspecified = -1;

// A forward-only recordset shaped like ADO's: opened on a connection with an SQL text,
// it stands on its first row, or at its end when the query gave none.
class Recordset {
public:
    void Open(std::u16string_view source, const std::shared_ptr<Connection>& activeConnection,
              int32_t cursorType = CursorForwardOnly, int32_t lockType = Unspecified,
              int32_t options = Unspecified);
    int32_t State() const;
    // True when there is no current row (ADO's EOF).
    bool EndOfFile() const { return atEnd; }
    void MoveNext();

    // The current row's column with that name (the first one that matches) or position.
    FieldValue Field(std::u16string_view name) const;
    FieldValue Field(size_t index) const;

    void Close();

private:
    const Cursor& OpenCursor() const;

    std::shared_ptr<Connection> connection;
    std::shared_ptr<Cursor> cursor;
    bool atEnd = true;
};

} // namespace database
