#include "database/Recordset.h"

#include "database/DatabaseError.h"
#include "text/RuntimeError.h"

namespace database {

namespace {

inline constexpr int32_t ErrorItemNotFound = 3265;
inline constexpr int32_t ErrorNoCurrentRecord = 3021;
inline constexpr int32_t ErrorObjectClosed = 3704;

[[noreturn]] void ThrowItemNotFound() {
    throw text::RuntimeError(ErrorItemNotFound,
                             "Item cannot be found in the collection corresponding to the "
                             "requested name or ordinal.");
}

[[noreturn]] void ThrowNoCurrentRecord() {
    throw text::RuntimeError(ErrorNoCurrentRecord,
                             "Either BOF or EOF is True, or the current record has been "
                             "deleted. Requested operation requires a current record.");
}

} // namespace

void Recordset::Open(std::u16string_view source,
                     const std::shared_ptr<Connection>& activeConnection, int32_t, int32_t,
                     int32_t) {
    if (!activeConnection)
        throw DatabaseError(0, "The recordset has no connection");
    Close();
    cursor = activeConnection->OpenCursor(source);
    connection = activeConnection;
    atEnd = !cursor->Fetch();
}

int32_t Recordset::State() const {
    return cursor && cursor->IsOpen() ? StateOpen : StateClosed;
}

void Recordset::MoveNext() {
    if (atEnd)
        ThrowNoCurrentRecord();
    atEnd = !cursor->Fetch();
}

FieldValue Recordset::Field(std::u16string_view name) const {
    const Cursor& current = OpenCursor();
    auto index = current.ColumnIndex(name);
    if (!index)
        ThrowItemNotFound();
    return Field(*index);
}

FieldValue Recordset::Field(size_t index) const {
    const Cursor& current = OpenCursor();
    if (index >= current.ColumnCount())
        ThrowItemNotFound();
    if (atEnd)
        ThrowNoCurrentRecord();
    return current.Column(index);
}

void Recordset::Close() {
    if (cursor)
        cursor->Close();
    cursor.reset();
    connection.reset();
    atEnd = true;
}

const Cursor& Recordset::OpenCursor() const {
    if (State() != StateOpen)
        throw text::RuntimeError(ErrorObjectClosed,
                                 "Operation is not allowed when the object is closed.");
    return *cursor;
}

} // namespace database
