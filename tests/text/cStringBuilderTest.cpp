#include "text/cStringBuilder.h"

#include "Raised.h"

#include <gtest/gtest.h>

namespace text {
namespace {

// What a caller can see of a builder: its text and its capacity in characters.
using State = std::pair<std::u16string, int32_t>;

State Of(const cStringBuilder& builder) {
    EXPECT_EQ(builder.Length(), int32_t(builder.toString().size()));
    return {builder.toString(), builder.Capacity()};
}

const std::string OutOfRange = "error 9 Subscript out of range";
const std::string OutOfMemory = "error 7 Out of memory";

cStringBuilder BuilderWith(std::u16string_view content, int32_t chunk) {
    cStringBuilder builder;
    builder.ChunkSize(chunk);
    builder.Append(content);
    return builder;
}

TEST(cStringBuilder, GrowsByWholeChunksFromTheOldCapacity) {
    cStringBuilder builder;
    EXPECT_EQ(Of(builder), (State{u"", 0}));
    EXPECT_EQ(builder.ChunkSize(), 8192);
    builder.Append(u"");
    EXPECT_EQ(Of(builder), (State{u"", 0})) << "nothing added, nothing allocated";
    builder.Append(u"abc");
    EXPECT_EQ(Of(builder), (State{u"abc", 8192}));
    builder.Append(std::u16string(9000, u'x'));
    EXPECT_EQ(builder.Capacity(), 16384);

    cStringBuilder small = BuilderWith(u"0123456789", 4);
    EXPECT_EQ(small.Capacity(), 12);
    small.Append(u"ab");
    EXPECT_EQ(Of(small), (State{u"0123456789ab", 12}));
    small.Append(u'c');
    EXPECT_EQ(Of(small), (State{u"0123456789abc", 16}));
    small.AppendNL(u"d");
    small.AppendByVal(u"e");
    EXPECT_EQ(small.toString(), u"0123456789abcd\r\ne");

    for (int32_t refused : {0, -1})
        EXPECT_EQ(fixtures::Raised([&] { small.ChunkSize(refused); }),
                  "error 5 Invalid procedure call or argument");
    EXPECT_EQ(fixtures::Raised([&] { small.ChunkSize(1073741824); }), "error 6 Overflow");
    EXPECT_EQ(small.ChunkSize(), 4);
    small.ChunkSize(1073741823);
    EXPECT_EQ(small.ChunkSize(), 1073741823);
}

// Content handed back to the builder while it grows must be read before its old storage
// goes: this once read freed memory.
TEST(cStringBuilder, TakesItsOwnContentWhileGrowing) {
    cStringBuilder builder = BuilderWith(u"abcd", 4);
    builder.Append(builder.View());
    EXPECT_EQ(builder.toString(), u"abcdabcd");
    builder.Insert(1, builder.View().substr(0, 3));
    EXPECT_EQ(builder.toString(), u"aabcbcdabcd");
    builder.TheString(builder.View().substr(4));
    EXPECT_EQ(builder.toString(), u"bcdabcd");
}

TEST(cStringBuilder, InsertAndRemoveWithinTheContentOnly) {
    cStringBuilder builder = BuilderWith(u"cd", 4);
    builder.Insert(0, u"ab");
    builder.Insert(builder.Length(), u"ef");
    builder.InsertByVal(3, u"-");
    EXPECT_EQ(Of(builder), (State{u"abc-def", 8}));
    for (int32_t outside : {8, -1})
        EXPECT_EQ(fixtures::Raised([&] { builder.Insert(outside, u"x"); }), OutOfRange);
    EXPECT_EQ(fixtures::Raised([&] { builder.InsertByVal(8, u"x"); }), OutOfRange);

    builder.Remove(3, 1);
    EXPECT_EQ(Of(builder), (State{u"abcdef", 8})) << "removing keeps the capacity";
    for (auto [index, length] :
         {std::pair{4, 3}, {7, 0}, {-1, 1}, {1, -1}, {2147483647, 2147483647}})
        EXPECT_EQ(fixtures::Raised([&] { builder.Remove(index, length); }), OutOfRange);
    builder.Remove(0, 0);
    builder.Remove(4, 2);
    EXPECT_EQ(Of(builder), (State{u"abcd", 8}));
    builder.Remove(0, builder.Length());
    EXPECT_EQ(Of(builder), (State{u"", 8}));
}

TEST(cStringBuilder, ClearFreesAndTheStringReplacesTheContent) {
    cStringBuilder builder = BuilderWith(u"abc", 4);
    builder.Clear();
    EXPECT_EQ(Of(builder), (State{u"", 0}));
    EXPECT_EQ(builder.ChunkSize(), 4);
    builder.TheString(u"0123456789");
    EXPECT_EQ(Of(builder), (State{u"0123456789", 12}));
    builder.TheString(u"ab");
    builder.Append(u"c");
    EXPECT_EQ(Of(builder), (State{u"abc", 12}));
    builder.TheString(u"");
    EXPECT_EQ(Of(builder), (State{u"", 0}));
}

TEST(cStringBuilder, FindOnlyWithinTheContent) {
    cStringBuilder builder = BuilderWith(u"abcdABCD", 8192);
    const struct {
        std::u16string_view text;
        int32_t start, compare, position;
    } finds[] = {{u"cd", 1, 0, 3}, {u"CD", 1, 0, 7}, {u"cd", 4, 0, 0}, {u"CD", 1, 1, 3},
                 {u"cd", 4, 1, 7}, {u"a", 0, 0, 1},  {u"a", -5, 0, 1}, {u"D", 1, 0, 8},
                 {u"x", 1, 0, 0},  {u"D", 8, 0, 8},  {u"D", 9, 0, 0}};
    for (const auto& f : finds)
        EXPECT_EQ(builder.Find(f.text, f.start, f.compare), f.position) << f.start;
    EXPECT_EQ(fixtures::Raised([&] { builder.Find(u"a", 1, 2); }),
              "error 5 Invalid procedure call or argument");

    builder.Remove(2, 6);
    for (std::u16string_view leftover : {u"cd", u"bc", u" "})
        EXPECT_EQ(builder.Find(leftover), 0) << "what Remove leaves in the spare room";
    EXPECT_EQ(builder.Find(u"b"), 2);
}

TEST(cStringBuilder, HeapMinimizeLeavesAtMostOneChunkOfSpareRoom) {
    cStringBuilder builder = BuilderWith(std::u16string(20, u'x'), 4);
    builder.Remove(3, 17);
    EXPECT_EQ(builder.Capacity(), 20);
    builder.HeapMinimize();
    EXPECT_EQ(Of(builder), (State{u"xxx", 4}));
    builder.HeapMinimize();
    builder.Append(u"yz");
    EXPECT_EQ(Of(builder), (State{u"xxxyz", 8}));

    cStringBuilder exact = BuilderWith(std::u16string(8, u'x'), 4);
    exact.Remove(4, 4);
    exact.HeapMinimize();
    EXPECT_EQ(exact.Capacity(), 8) << "one chunk of spare room stays";
    cStringBuilder full = BuilderWith(u"abc", 8192);
    full.HeapMinimize();
    EXPECT_EQ(full.Capacity(), 8192);
}

TEST(cStringBuilder, GrowthBeyondTheByteCountKeepsTheBuilder) {
    cStringBuilder builder = BuilderWith(u"abc", 8192);
    builder.ChunkSize(1073741823);
    EXPECT_EQ(fixtures::Raised([&] { builder.Append(std::u16string(8190, u'x')); }), OutOfMemory);
    EXPECT_EQ(Of(builder), (State{u"abc", 8192}));
    EXPECT_EQ(fixtures::Raised([&] { builder.Insert(0, std::u16string(8190, u'x')); }),
              OutOfMemory);
    builder.Append(std::u16string(8189, u'x'));
    EXPECT_EQ(builder.Length(), 8192);
    EXPECT_EQ(fixtures::Raised([&] { builder.Append(u'y'); }), OutOfMemory);
    EXPECT_EQ(builder.Length(), 8192);
}

} // namespace
} // namespace text
