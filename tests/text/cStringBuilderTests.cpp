#include "text/cStringBuilder.h"

#include <functional>
#include <gtest/gtest.h>

namespace text {
namespace {

struct Raised {
    int32_t number = 0;
    std::string description;
};

Raised ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return {e.Number(), e.what()};
    }
    ADD_FAILURE() << "nothing was raised";
    return {};
}

void ExpectOutOfRange(const std::function<void()>& action) {
    const Raised raised = ErrorOf(action);
    EXPECT_EQ(raised.number, 9);
    EXPECT_EQ(raised.description, "Subscript out of range");
}

cStringBuilder BuilderWith(std::u16string_view content, int32_t chunk = 8192) {
    cStringBuilder builder;
    builder.ChunkSize(chunk);
    builder.Append(content);
    return builder;
}

TEST(cStringBuilder, NewBuilderIsEmptyAndUnallocated) {
    cStringBuilder builder;
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(builder.Capacity(), 0);
    EXPECT_EQ(builder.ChunkSize(), 8192);
    EXPECT_EQ(builder.toString(), u"");
    builder.Append(u"");
    EXPECT_EQ(builder.Capacity(), 0);
}

TEST(cStringBuilder, GrowsByWholeChunksFromTheOldCapacity) {
    cStringBuilder builder;
    builder.Append(u"abc");
    EXPECT_EQ(builder.Length(), 3);
    EXPECT_EQ(builder.Capacity(), 8192);
    EXPECT_EQ(builder.toString(), u"abc");

    builder.Append(std::u16string(9000, u'x'));
    EXPECT_EQ(builder.Length(), 9003);
    EXPECT_EQ(builder.Capacity(), 16384);

    cStringBuilder small = BuilderWith(u"0123456789", 4);
    EXPECT_EQ(small.Capacity(), 12);
    small.Append(u"ab");
    EXPECT_EQ(small.Capacity(), 12);
    small.Append(u"c");
    EXPECT_EQ(small.Capacity(), 16);
    EXPECT_EQ(small.toString(), u"0123456789abc");
}

TEST(cStringBuilder, SingleCharactersGrowLikeTexts) {
    cStringBuilder builder;
    builder.ChunkSize(4);
    for (char16_t c : std::u16string_view(u"hello")) {
        builder.Append(c);
    }
    EXPECT_EQ(builder.toString(), u"hello");
    EXPECT_EQ(builder.Capacity(), 8);
}

TEST(cStringBuilder, ChunkSizeBelowOneIsRefused) {
    cStringBuilder builder = BuilderWith(u"abc", 4);
    for (int32_t refused : {0, -1}) {
        const Raised raised = ErrorOf([&] { builder.ChunkSize(refused); });
        EXPECT_EQ(raised.number, 5);
        EXPECT_EQ(raised.description, "Invalid procedure call or argument");
    }
    EXPECT_EQ(ErrorOf([&] { builder.ChunkSize(1073741824); }).number, 6);
    EXPECT_EQ(builder.ChunkSize(), 4);
    builder.ChunkSize(100);
    EXPECT_EQ(builder.Capacity(), 4);
    EXPECT_EQ(builder.toString(), u"abc");
}

TEST(cStringBuilder, AppendVariants) {
    cStringBuilder builder;
    builder.AppendNL(u"x");
    EXPECT_EQ(builder.toString(), u"x\r\n");
    EXPECT_EQ(builder.Length(), 3);
    builder.AppendByVal(u"yz");
    EXPECT_EQ(builder.toString(), u"x\r\nyz");
}

TEST(cStringBuilder, AppendOfItsOwnContentWhileGrowing) {
    cStringBuilder builder = BuilderWith(u"abcd", 4);
    builder.Append(builder.View());
    EXPECT_EQ(builder.toString(), u"abcdabcd");
    builder.Insert(1, builder.View().substr(0, 3));
    EXPECT_EQ(builder.toString(), u"aabcbcdabcd");
    builder.TheString(builder.View().substr(4));
    EXPECT_EQ(builder.toString(), u"bcdabcd");
}

TEST(cStringBuilder, InsertPlacesTextBeforeTheOffset) {
    cStringBuilder builder = BuilderWith(u"cd");
    builder.Insert(0, u"ab");
    EXPECT_EQ(builder.toString(), u"abcd");
    builder.Insert(builder.Length(), u"ef");
    EXPECT_EQ(builder.toString(), u"abcdef");
    builder.InsertByVal(3, u"-");
    EXPECT_EQ(builder.toString(), u"abc-def");

    cStringBuilder growing = BuilderWith(u"1234", 4);
    growing.Insert(2, u"ab");
    EXPECT_EQ(growing.toString(), u"12ab34");
    EXPECT_EQ(growing.Capacity(), 8);
}

TEST(cStringBuilder, InsertOutsideTheContentChangesNothing) {
    cStringBuilder builder = BuilderWith(u"abcd", 4);
    ExpectOutOfRange([&] { builder.Insert(5, u"x"); });
    ExpectOutOfRange([&] { builder.Insert(-1, u"x"); });
    ExpectOutOfRange([&] { builder.InsertByVal(5, u"x"); });
    EXPECT_EQ(builder.toString(), u"abcd");
    EXPECT_EQ(builder.Capacity(), 4);
}

TEST(cStringBuilder, RemoveKeepsTheCapacity) {
    cStringBuilder builder = BuilderWith(u"abcd");
    builder.Remove(1, 2);
    EXPECT_EQ(builder.toString(), u"ad");
    EXPECT_EQ(builder.Capacity(), 8192);
    builder.Remove(0, builder.Length());
    EXPECT_EQ(builder.toString(), u"");
    EXPECT_EQ(builder.Capacity(), 8192);
    builder.Remove(0, 0);
    EXPECT_EQ(builder.Length(), 0);
}

TEST(cStringBuilder, RemoveOutsideTheContentChangesNothing) {
    cStringBuilder builder = BuilderWith(u"abcd");
    ExpectOutOfRange([&] { builder.Remove(2, 3); });
    ExpectOutOfRange([&] { builder.Remove(5, 0); });
    ExpectOutOfRange([&] { builder.Remove(-1, 1); });
    ExpectOutOfRange([&] { builder.Remove(1, -1); });
    ExpectOutOfRange([&] { builder.Remove(2147483647, 2147483647); });
    EXPECT_EQ(builder.toString(), u"abcd");
    EXPECT_EQ(builder.Capacity(), 8192);
}

TEST(cStringBuilder, ClearAndTheString) {
    cStringBuilder builder = BuilderWith(u"abc", 4);
    builder.Clear();
    EXPECT_EQ(builder.Capacity(), 0);
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(builder.ChunkSize(), 4);

    builder.TheString(u"0123456789");
    EXPECT_EQ(builder.Capacity(), 12);
    builder.TheString(u"ab");
    EXPECT_EQ(builder.toString(), u"ab");
    EXPECT_EQ(builder.Capacity(), 12);
    builder.Append(u"c");
    EXPECT_EQ(builder.toString(), u"abc");
    builder.TheString(u"");
    EXPECT_EQ(builder.Capacity(), 0);
    EXPECT_EQ(builder.toString(), u"");
}

TEST(cStringBuilder, FindOnlyWithinTheContent) {
    cStringBuilder builder = BuilderWith(u"abcdABCD");
    EXPECT_EQ(builder.Find(u"cd"), 3);
    EXPECT_EQ(builder.Find(u"CD"), 7);
    EXPECT_EQ(builder.Find(u"cd", 4), 0);
    EXPECT_EQ(builder.Find(u"CD", 1, 1), 3);
    EXPECT_EQ(builder.Find(u"cd", 4, 1), 7);
    EXPECT_EQ(builder.Find(u"a", 0), 1);
    EXPECT_EQ(builder.Find(u"a", -5), 1);
    EXPECT_EQ(builder.Find(u"D"), 8);
    EXPECT_EQ(builder.Find(u"x"), 0);
    EXPECT_EQ(ErrorOf([&] { builder.Find(u"a", 1, 2); }).number, 5);

    // What Remove leaves behind in the spare room is not content.
    builder.Remove(2, 6);
    EXPECT_EQ(builder.toString(), u"ab");
    EXPECT_EQ(builder.Find(u"cd"), 0);
    EXPECT_EQ(builder.Find(u"bc"), 0);
    EXPECT_EQ(builder.Find(u" "), 0);
    EXPECT_EQ(builder.Find(u"b"), 2);
}

TEST(cStringBuilder, HeapMinimizeLeavesAtMostOneChunkOfSpareRoom) {
    cStringBuilder builder = BuilderWith(std::u16string(20, u'x'), 4);
    builder.Remove(3, 17);
    EXPECT_EQ(builder.Capacity(), 20);
    builder.HeapMinimize();
    EXPECT_EQ(builder.Capacity(), 4);
    EXPECT_EQ(builder.toString(), u"xxx");
    builder.HeapMinimize();
    EXPECT_EQ(builder.Capacity(), 4);
    builder.Append(u"yz");
    EXPECT_EQ(builder.toString(), u"xxxyz");
    EXPECT_EQ(builder.Capacity(), 8);

    cStringBuilder full = BuilderWith(u"abc");
    full.HeapMinimize();
    EXPECT_EQ(full.Capacity(), 8192);
}

TEST(cStringBuilder, GrowthBeyondTheByteCountKeepsTheBuilder) {
    cStringBuilder builder = BuilderWith(u"abc");
    builder.ChunkSize(1073741823);
    const Raised raised = ErrorOf([&] { builder.Append(std::u16string(8190, u'x')); });
    EXPECT_EQ(raised.number, 7);
    EXPECT_EQ(raised.description, "Out of memory");
    EXPECT_EQ(builder.toString(), u"abc");
    EXPECT_EQ(builder.Capacity(), 8192);
    EXPECT_EQ(ErrorOf([&] { builder.Insert(0, std::u16string(8190, u'x')); }).number, 7);
    builder.Append(std::u16string(8189, u'x'));
    EXPECT_EQ(builder.Length(), 8192);
    EXPECT_EQ(ErrorOf([&] { builder.Append(u'y'); }).number, 7);
    EXPECT_EQ(builder.Length(), 8192);
}

} // namespace
} // namespace text
