#include "text/cStringBuilder.h"

#include "text/Text.h"

#include <functional>
#include <limits>
#include <new>
#include <stdexcept>

namespace text {

namespace {

// The largest even byte count a 32-bit signed field holds.
constexpr int64_t MaxBytes = std::numeric_limits<int32_t>::max() - 1;

[[noreturn]] void RaiseOutOfRange() {
    throw RuntimeError(ErrorOutOfRange, "Subscript out of range");
}

[[noreturn]] void RaiseOutOfMemory() {
    throw RuntimeError(ErrorOutOfMemory, "Out of memory");
}

[[noreturn]] void RaiseInvalidArgument() {
    throw RuntimeError(ErrorInvalidArgument, "Invalid procedure call or argument");
}

int64_t ByteLength(std::u16string_view s) {
    return int64_t(s.size()) * 2;
}

// Allocation failures become the out-of-memory error; the string is left as it was.
template <typename Action> void Allocating(Action action) {
    try {
        action();
    } catch (const std::bad_alloc&) {
        RaiseOutOfMemory();
    } catch (const std::length_error&) {
        RaiseOutOfMemory();
    }
}

} // namespace

void cStringBuilder::ChunkSize(int32_t iChunkSize) {
    if (iChunkSize < 1) {
        RaiseInvalidArgument();
    }
    if (iChunkSize > std::numeric_limits<int32_t>::max() / 2) {
        throw RuntimeError(ErrorOverflow, "Overflow");
    }
    iChunkBytes = iChunkSize * 2;
}

std::u16string cStringBuilder::toString() const {
    return sBuffer;
}

void cStringBuilder::TheString(std::u16string_view sThis) {
    if (sThis.empty()) {
        Clear();
        return;
    }
    if (ByteLength(sThis) > iCapacityBytes && AliasesBuffer(sThis)) {
        TheString(std::u16string(sThis));
        return;
    }
    // One chunk per step from the current capacity, as growth does; it never shrinks.
    GrowFor(ByteLength(sThis));
    sBuffer.assign(sThis);
    iUsedBytes = int32_t(ByteLength(sThis));
}

void cStringBuilder::Clear() noexcept {
    std::u16string().swap(sBuffer);
    iUsedBytes = 0;
    iCapacityBytes = 0;
}

void cStringBuilder::AppendNL(std::u16string_view sThis) {
    Append(sThis);
    Append(u"\r\n");
}

void cStringBuilder::Append(std::u16string_view sThis) {
    if (sThis.empty()) {
        return;
    }
    const int64_t need = iUsedBytes + ByteLength(sThis);
    if (need > iCapacityBytes && AliasesBuffer(sThis)) {
        // Growing moves the storage the text lives in.
        Append(std::u16string(sThis));
        return;
    }
    GrowFor(need);
    sBuffer.append(sThis);
    iUsedBytes = int32_t(need);
}

void cStringBuilder::AppendByVal(std::u16string sThis) {
    Append(std::u16string_view(sThis));
}

void cStringBuilder::Insert(int32_t iIndex, std::u16string_view sThis) {
    if (iIndex < 0 || iIndex > Length()) {
        RaiseOutOfRange();
    }
    if (sThis.empty()) {
        return;
    }
    if (AliasesBuffer(sThis)) {
        // Opening the gap moves the characters the text refers to.
        Insert(iIndex, std::u16string(sThis));
        return;
    }
    const int64_t need = iUsedBytes + ByteLength(sThis);
    GrowFor(need);
    sBuffer.insert(size_t(iIndex), sThis);
    iUsedBytes = int32_t(need);
}

void cStringBuilder::InsertByVal(int32_t iIndex, std::u16string sThis) {
    Insert(iIndex, std::u16string_view(sThis));
}

void cStringBuilder::Remove(int32_t iIndex, int32_t lLen) {
    if (iIndex < 0 || lLen < 0 || int64_t(iIndex) + lLen > Length()) {
        RaiseOutOfRange();
    }
    sBuffer.erase(size_t(iIndex), size_t(lLen));
    iUsedBytes -= lLen * 2;
}

int32_t cStringBuilder::Find(std::u16string_view sToFind, int32_t lStartIndex,
                             int32_t compare) const {
    if (compare == 0) {
        return text::Find(View(), sToFind, lStartIndex);
    }
    if (compare == 1) {
        return text::Find(ToLower(View()), ToLower(sToFind), lStartIndex);
    }
    RaiseInvalidArgument();
}

void cStringBuilder::HeapMinimize() {
    if (iCapacityBytes - iUsedBytes <= iChunkBytes) {
        return;
    }
    int32_t newCapacity = iCapacityBytes;
    while (newCapacity - iUsedBytes > iChunkBytes) {
        newCapacity -= iChunkBytes;
    }
    std::u16string shrunk;
    Allocating([&] {
        shrunk.reserve(size_t(newCapacity) / 2);
        shrunk.append(sBuffer);
    });
    sBuffer.swap(shrunk);
    iCapacityBytes = newCapacity;
}

void cStringBuilder::GrowFor(int64_t needBytes) {
    if (needBytes <= iCapacityBytes) {
        return;
    }
    const int64_t chunks = (needBytes - iCapacityBytes + iChunkBytes - 1) / iChunkBytes;
    const int64_t newCapacity = iCapacityBytes + chunks * iChunkBytes;
    if (newCapacity > MaxBytes) {
        RaiseOutOfMemory();
    }
    // The standard string may set aside more than asked (it doubles), which keeps long
    // runs of small additions from copying the content at every chunk.
    Allocating([&] { sBuffer.reserve(size_t(newCapacity) / 2); });
    iCapacityBytes = int32_t(newCapacity);
}

bool cStringBuilder::AliasesBuffer(std::u16string_view s) const noexcept {
    const std::less<const char16_t*> before;
    const char16_t* begin = sBuffer.data();
    return !before(s.data(), begin) && before(s.data(), begin + sBuffer.size());
}

} // namespace text
