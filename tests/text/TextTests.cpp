#include "text/Text.h"

#include <gtest/gtest.h>
#include <limits>

namespace text {
namespace {

TEST(Text, TrimRemovesOnlyOuterSpaces) {
    EXPECT_EQ(Trim(u"  a b  "), u"a b");
    EXPECT_EQ(Trim(u"\ta\t"), u"\ta\t");
    EXPECT_EQ(Trim(u"   "), u"");
    EXPECT_EQ(Trim(u""), u"");
}

TEST(Text, CaseMappingCoversSpanishAndCodePageLetters) {
    EXPECT_EQ(ToLower(u"ÁÉÍÓÚÑÜ Año ÀÇÞ"), u"áéíóúñü año àçþ");
    EXPECT_EQ(ToUpper(u"áéíóúñü año àçþ"), u"ÁÉÍÓÚÑÜ AÑO ÀÇÞ");
    EXPECT_EQ(ToUpper(u"šœžÿ"), u"ŠŒŽŸ");
    EXPECT_EQ(ToLower(u"ŠŒŽŸ"), u"šœžÿ");
    EXPECT_EQ(ToLower(u"ĀĹŊŹ"), u"āĺŋź");
    // Signs and letters without a case pair stay as they are.
    EXPECT_EQ(ToUpper(u"×÷ßµĸ1-"), u"×÷ßµĸ1-");
    EXPECT_EQ(ToLower(u"×÷ßµĸ1-"), u"×÷ßµĸ1-");
}

TEST(Text, ComparisonsWithoutRegardToCase) {
    EXPECT_TRUE(EqualsIgnoreCase(u"ÑANDÚ", u"ñandú"));
    EXPECT_FALSE(EqualsIgnoreCase(u"abc", u"abcd"));
    EXPECT_FALSE(EqualsIgnoreCase(u"a", u"b"));
    EXPECT_TRUE(ContainsIgnoreCase(u"TeamViewer ID = Imposible de detectar", u"DETECTAR"));
    EXPECT_FALSE(ContainsIgnoreCase(u"TeamViewer", u"viewers"));
    EXPECT_TRUE(ContainsIgnoreCase(u"abc", u""));
    EXPECT_TRUE(StartsWith(u"msiexec /x", u"msiexec"));
    EXPECT_FALSE(StartsWith(u"msiexec", u"MSIEXEC"));
    EXPECT_FALSE(StartsWith(u"ms", u"msiexec"));
}

TEST(Text, ReplaceAllReplacesEveryOccurrenceOnce) {
    EXPECT_EQ(ReplaceAll(u"a'b'c", u"'", u"''"), u"a''b''c");
    EXPECT_EQ(ReplaceAll(u"aaa", u"aa", u"b"), u"ba");
    EXPECT_EQ(ReplaceAll(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(ReplaceAll(u"abc", u"z", u"x"), u"abc");
    EXPECT_EQ(ReplaceAll(u"abc", u"b", u""), u"ac");
}

TEST(Text, FindGivesOneBasedPositions) {
    EXPECT_EQ(Find(u"abcabc", u"c"), 3);
    EXPECT_EQ(Find(u"abcabc", u"c", 4), 6);
    EXPECT_EQ(Find(u"abcabc", u"c", 7), 0);
    EXPECT_EQ(Find(u"abcabc", u"c", 0), 3);
    EXPECT_EQ(Find(u"abcabc", u"x"), 0);
    EXPECT_EQ(Find(u"abc", u"", 2), 2);
    EXPECT_EQ(Find(u"abc", u"", 4), 0);
    EXPECT_EQ(Find(u"abc", u"abcd"), 0);
}

TEST(Text, NumbersAndAsciiBecomeText) {
    EXPECT_EQ(FromInt(0), u"0");
    EXPECT_EQ(FromInt(-42), u"-42");
    EXPECT_EQ(FromInt(std::numeric_limits<int64_t>::max()), u"9223372036854775807");
    EXPECT_EQ(FromInt(std::numeric_limits<int64_t>::min()), u"-9223372036854775808");
    EXPECT_EQ(FromAscii("Wget.exe -O"), u"Wget.exe -O");
    EXPECT_EQ(FromAscii(""), u"");
}

} // namespace
} // namespace text
