#include "database/Blob.h"

#include "database/ClientStatus.h"

#include <array>

namespace database {

namespace {

void AppendSegments(const ClientLibrary& client, firebird::Handle& blob, std::string& content) {
    std::array<char, 32768> segment;
    for (;;) {
        unsigned short length = 0;
        firebird::StatusVector status{};
        firebird::Status result = client.getSegment(
            status, &blob, &length, static_cast<unsigned short>(segment.size()), segment.data());
        if (result == firebird::SegmentsEnd)
            return;
        if (result != firebird::SegmentIncomplete)
            ThrowOnError(client, status);
        content.append(segment.data(), length);
    }
}

} // namespace

std::string ReadBlob(const ClientLibrary& client, firebird::Handle& database,
                     firebird::Handle& transaction, firebird::BlobId id) {
    firebird::Handle blob{};
    firebird::StatusVector status{};
    client.openBlob(status, &database, &transaction, &blob, &id, 0, nullptr);
    ThrowOnError(client, status);
    std::string content;
    try {
        AppendSegments(client, blob, content);
    } catch (...) {
        client.closeBlob(status, &blob);
        throw;
    }
    client.closeBlob(status, &blob);
    ThrowOnError(client, status);
    return content;
}

} // namespace database
