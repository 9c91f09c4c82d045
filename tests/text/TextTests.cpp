#include "text/Text.h"

#include <gtest/gtest.h>
#include <limits>

namespace text {
namespace {

TEST(Text, CaseMappingPairsEveryLetterOfTheCodePagesAtTheEndsOfEachRange) {
    // Each capital beside its small letter: ASCII, Latin-1 and Latin Extended-A.
    const std::u16string capitals = u"AZÀÖØÞÑĀĶĹŇŊŶŸŹŽ";
    const std::u16string smalls = u"azàöøþñāķĺňŋŷÿźž";
    EXPECT_EQ(ToLower(capitals), smalls);
    EXPECT_EQ(ToUpper(smalls), capitals);
    // Signs and letters without a pair, and the neighbours of every range, stay as they are.
    const std::u16string unpaired = u"@[`{×÷ßµĸİıŉſ\u00BF\u0180\u00C0\u00DF"
                                    u"1-";
    EXPECT_EQ(ToUpper(unpaired), u"@[`{×÷ßµĸİıŉſ\u00BF\u0180\u00C0\u00DF1-");
    EXPECT_EQ(ToLower(u"@[`{×÷ßµĸİıŉſ\u00BF\u0180\u00E0\u00DF1-"),
              u"@[`{×÷ßµĸİıŉſ\u00BF\u0180\u00E0\u00DF1-");
}

TEST(Text, TrimComparisonsAndSearch) {
    EXPECT_EQ(Trim(u"  a b  "), u"a b");
    EXPECT_EQ(Trim(u"\ta\t"), u"\ta\t");
    EXPECT_EQ(Trim(u"   "), u"");

    EXPECT_TRUE(EqualsIgnoreCase(u"ÑANDÚ", u"ñandú"));
    EXPECT_FALSE(EqualsIgnoreCase(u"abc", u"abcd"));
    EXPECT_FALSE(EqualsIgnoreCase(u"a", u"b"));
    EXPECT_TRUE(ContainsIgnoreCase(u"TeamViewer ID = Imposible de detectar", u"DETECTAR"));
    EXPECT_FALSE(ContainsIgnoreCase(u"TeamViewer", u"viewers"));
    EXPECT_TRUE(ContainsIgnoreCase(u"abc", u""));
    EXPECT_TRUE(StartsWith(u"msiexec /x", u"msiexec"));
    EXPECT_FALSE(StartsWith(u"msiexec", u"MSIEXEC"));
    EXPECT_FALSE(StartsWith(u"ms", u"msiexec"));

    EXPECT_EQ(ReplaceAll(u"a'b'c", u"'", u"''"), u"a''b''c");
    EXPECT_EQ(ReplaceAll(u"aaa", u"aa", u"b"), u"ba");
    EXPECT_EQ(ReplaceAll(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(ReplaceAll(u"abc", u"b", u""), u"ac");

    const struct {
        std::u16string_view haystack, needle;
        int32_t start, position;
    } finds[] = {{u"abcabc", u"c", 1, 3}, {u"abcabc", u"c", 4, 6}, {u"abcabc", u"c", 7, 0},
                 {u"abcabc", u"c", 0, 3}, {u"abcabc", u"x", 1, 0}, {u"abc", u"", 2, 2},
                 {u"abc", u"", 3, 3},     {u"abc", u"", 4, 0},     {u"abc", u"abcd", 1, 0},
                 {u"abc", u"bc", 2, 2}};
    for (const auto& f : finds)
        EXPECT_EQ(Find(f.haystack, f.needle, f.start), f.position) << f.start;
}

TEST(Text, NumbersAndAsciiBecomeText) {
    EXPECT_EQ(FromInt(0), u"0");
    EXPECT_EQ(FromInt(-42), u"-42");
    EXPECT_EQ(FromInt(std::numeric_limits<int64_t>::max()), u"9223372036854775807");
    EXPECT_EQ(FromInt(std::numeric_limits<int64_t>::min()), u"-9223372036854775808");
    EXPECT_EQ(FromAscii("Wget.exe -O"), u"Wget.exe -O");
    // Hexadecimal digits and their neighbours at both ends of each range.
    const std::u16string_view digits = u"/09:@AFG`afg";
    const int values[] = {-1, 0, 9, -1, -1, 10, 15, -1, -1, 10, 15, -1};
    for (size_t at = 0; at < digits.size(); ++at)
        EXPECT_EQ(HexDigitValue(digits[at]), values[at]) << char(digits[at]);
}

} // namespace
} // namespace text
