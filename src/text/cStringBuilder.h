#pragma once

#include "text/RuntimeError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// A growable UTF-16 buffer that grows by fixed chunks, so that many small additions
// copy only what they add. Counts are kept in bytes, two per character. Remove(0, Length())
// empties it but keeps its storage, for a builder that is reused.
class cStringBuilder {
public:
    int32_t Length() const noexcept { return iUsedBytes / 2; }
    int32_t Capacity() const noexcept { return iCapacityBytes / 2; }
    int32_t ChunkSize() const noexcept { return iChunkBytes / 2; }
    // Refuses a size below one character (error 5) and changes nothing then.
    void ChunkSize(int32_t iChunkSize);

    std::u16string toString() const;
    std::u16string_view View() const noexcept { return sBuffer; }
    void TheString(std::u16string_view sThis);
    void Clear() noexcept;

    void AppendNL(std::u16string_view sThis);
    void Append(std::u16string_view sThis);
    // One character, the parser's way of collecting a string value.
    void Append(char16_t c) {
        if (iUsedBytes == iCapacityBytes) {
            GrowFor(int64_t(iUsedBytes) + 2);
        }
        sBuffer.push_back(c);
        iUsedBytes += 2;
    }
    void AppendByVal(std::u16string sThis);
    void Insert(int32_t iIndex, std::u16string_view sThis);
    void InsertByVal(int32_t iIndex, std::u16string sThis);
    void Remove(int32_t iIndex, int32_t lLen);
    // compare: 0 exact, 1 without regard to case, anything else error 5. A start below 1
    // searches from the start. Only a match lying wholly within the content counts.
    int32_t Find(std::u16string_view sToFind, int32_t lStartIndex = 1, int32_t compare = 0) const;
    void HeapMinimize();

private:
    void GrowFor(int64_t needBytes);
    bool AliasesBuffer(std::u16string_view s) const noexcept;

    // The content. Its storage is always reserved for at least Capacity characters, so
    // nothing allocates until the content outgrows Capacity.
    std::u16string sBuffer;
    int32_t iChunkBytes = 16384;
    int32_t iUsedBytes = 0;
    int32_t iCapacityBytes = 0;
};

} // namespace text
