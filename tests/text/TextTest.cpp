#include "text/Text.h"

#include "text/Encoding.h"
#include "text/Number.h"
#include "text/RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace text {
namespace {

TEST(Encoding, Utf8RoundTripsAtTheEndsOfEveryLengthAndSurrogateRange) {
    const std::u16string text = u"a\u007F\u0080\u00F1\u07FF\u0800\u20AC\uD7FF\uE000\U0001F600"
                                u"\U000F0000\U00010000\U0010FFFF";
    const std::string bytes = "a\x7F\xC2\x80\xC3\xB1\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xED\x9F\xBF"
                              "\xEE\x80\x80\xF0\x9F\x98\x80\xF3\xB0\x80\x80\xF0\x90\x80\x80"
                              "\xF4\x8F\xBF\xBF";
    EXPECT_EQ(Utf16ToUtf8(text), bytes);
    EXPECT_EQ(Utf8ToUtf16(bytes), text);
    EXPECT_TRUE(IsValidUtf8(bytes));
    EXPECT_TRUE(IsValidUtf8(""));
    // A surrogate without its partner, at the first and last unit of each range.
    for (char16_t lone : {0xD800, 0xDBFF, 0xDC00, 0xDFFF}) {
        EXPECT_EQ(Utf16ToUtf8(std::u16string{lone, u'a'}), "\xEF\xBF\xBD"
                                                           "a");
        EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', lone}), "a\xEF\xBF\xBD");
        EXPECT_EQ(Utf16ToCp1252(std::u16string{lone}), "?");
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, 0xD800}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Encoding, InvalidUtf8BecomesReplacementCharacters) {
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {{"\x80", u"\uFFFD"},                               // stray continuation byte
                 {"\xC0\xAF", u"\uFFFD\uFFFD"},                     // overlong "/"
                 {"\xC1\xBF", u"\uFFFD\uFFFD"},                     // overlong at the lead's end
                 {"\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD"},           // overlong three-byte form
                 {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // first encoded surrogate
                 {"\xED\xBF\xBF", u"\uFFFD\uFFFD\uFFFD"},           // last encoded surrogate
                 {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // overlong four-byte form
                 {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
                 {"\xF5\x80", u"\uFFFD\uFFFD"},
                 {"\xE2\x82", u"\uFFFD"},      // cut short at the end
                 {"\xE2\x82\x41", u"\uFFFDA"}, // cut short by a new character ("A")
                 {"\xE2\xC0\x80", u"\uFFFD\uFFFD\uFFFD"},
                 {"\xFF\x61", u"\uFFFDa"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
        EXPECT_FALSE(IsValidUtf8(c.bytes));
    }
}

TEST(Encoding, EveryByteRoundTripsThroughCodePage1252AndLatin1) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(char(b));
    const std::u16string text = Cp1252ToUtf16(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(Utf16ToCp1252(text), bytes);
    EXPECT_EQ(text[0x7F], u'\u007F');
    EXPECT_EQ(text[0x80], u'\u20AC');
    EXPECT_EQ(text[0x9F], u'\u0178');
    EXPECT_EQ(text[0xA0], u'\u00A0');
    EXPECT_EQ(text[0xF1], u'\u00F1');
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[undefined], char16_t(undefined));
    // Characters outside the code page become one question mark per UTF-16 unit.
    EXPECT_EQ(Utf16ToCp1252(u"A\u20AC\u00F1\u00A0\u00FF"), "A\x80\xF1\xA0\xFF");
    EXPECT_EQ(Utf16ToCp1252(u"\u65E5\u0080\u009F\u0100"), "????");
    EXPECT_EQ(Utf16ToCp1252(u"x\U0001F600y"), "x??y");

    const std::u16string latin1 = Latin1ToUtf16(bytes);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(latin1[size_t(b)], char16_t(b));
    EXPECT_EQ(Utf16ToLatin1(latin1), bytes);
    EXPECT_EQ(Utf16ToLatin1(u"\u20ACa\U0001F600\u0100"), "?a??");
}

constexpr std::optional<double> Overflow = std::nullopt;

// The value, or nothing when the call raised the overflow error (6).
template <typename Call> std::optional<double> ValueOf(Call call) {
    try {
        return double(call());
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 6);
        EXPECT_STREQ(e.what(), "Overflow");
        return Overflow;
    }
}

TEST(Number, ValReadsTheLeadingNumberAsTheUserTypedIt) {
    // clang-format off
    const struct {
        std::u16string_view text;
        std::optional<double> value;
    } cases[] = {
        {u"1234567890", 1234567890.0}, {u"12abc", 12}, {u"+7x", 7}, {u"\t-3.5\n", -3.5},
        {u".5", 0.5}, {u"1.2.3", 1.2}, {u"1,5", 1}, {u"9/8", 9}, {u"0:9", 0},
        // Blanks, tabs and line feeds are skipped anywhere; a carriage return ends it.
        {u" 1 2", 12}, {u"- 5", -5}, {u"1 e 2", 100}, {u"1\t0\n0", 100}, {u"1\r2", 1},
        {u"\r\n1", 0},
        // Exponents: E, e, D or d, and only with digits after them.
        {u"1.5e3", 1500}, {u"2D2", 200}, {u"25E-1", 2.5}, {u"3d1x", 30}, {u"1e", 1}, {u"1e+", 1},
        {u"3D-x", 3}, {u"5f2", 5},
        // No number at all.
        {u"", 0}, {u"abc", 0}, {u"--1", 0}, {u".", 0}, {u"e5", 0}, {u"   ", 0},
        // Beyond a double.
        {u"1e-400", 0}, {u"1e400", Overflow}, {u"-12345678901234567890e300", Overflow},
        {u"0.0001e400", Overflow}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ValueOf([&] { return Val(c.text); }), c.value) << Utf16ToUtf8(c.text);
}

TEST(Number, RoundToInt32TakesHalvesToTheEvenNeighbourWithinTheRange) {
    // clang-format off
    const struct {
        double value;
        std::optional<double> rounded;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3},
        {-7.6, -8}, {2147483647.4, 2147483647}, {-2147483648.5, -2147483648.0},
        {2147483647.5, Overflow}, {-2147483649.0, Overflow}, {1e300, Overflow},
        {std::numeric_limits<double>::infinity(), Overflow}, {std::nan(""), Overflow}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ValueOf([&] { return RoundToInt32(c.value); }), c.rounded) << c.value;
}

TEST(Text, CaseMappingPairsEveryLetterOfTheCodePagesAtTheEndsOfEachRange) {
    // Each capital beside its small letter: ASCII, Latin-1 and Latin Extended-A.
    const std::u16string capitals = u"AZÀÖØÞÑĀĶĹŇŊŶŸŹŽ";
    const std::u16string smalls = u"azàöøþñāķĺňŋŷÿźž";
    EXPECT_EQ(ToLower(capitals), smalls);
    EXPECT_EQ(ToUpper(smalls), capitals);
    // Signs and letters without a pair, and the neighbours of every range, stay as they are.
    const std::u16string unpaired = u"@[`{×÷ßµĸİıŉſ\u00BF\u0180\u00DF1-";
    EXPECT_EQ(ToUpper(unpaired + u"\u00C0"), unpaired + u"\u00C0");
    EXPECT_EQ(ToLower(unpaired + u"\u00E0"), unpaired + u"\u00E0");
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
