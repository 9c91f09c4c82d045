#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace text {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(char(b));
    }
    return bytes;
}

TEST(Encoding, Utf8RoundTripsEveryLength) {
    const std::u16string text = u"a\u007F\u0080\u00F1\u07FF\u0800\u20AC\U0001F600\U000F0000";
    const std::string bytes = "a\x7F\xC2\x80\xC3\xB1\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC"
                              "\xF0\x9F\x98\x80\xF3\xB0\x80\x80";
    EXPECT_EQ(Utf16ToUtf8(text), bytes);
    EXPECT_EQ(Utf8ToUtf16(bytes), text);
    EXPECT_TRUE(IsValidUtf8(bytes));
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_EQ(Utf8ToUtf16("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
}

TEST(Encoding, InvalidUtf8BecomesReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {{"\x80", u"\uFFFD"},                     // stray continuation byte
                          {"\xC0\xAF", u"\uFFFD\uFFFD"},           // overlong "/"
                          {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"}, // overlong three-byte form
                          {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
                          {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
                          {"\xE2\x82", u"\uFFFD"},                           // cut short at the end
                          {"\xE2\x82\x41", u"\uFFFDA"}, // cut short by a new character ("A")
                          {"\xFF\x61", u"\uFFFDa"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
        EXPECT_FALSE(IsValidUtf8(c.bytes));
    }
}

TEST(Encoding, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'a'}), "\xEF\xBF\xBD"
                                                         "a");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xDC00}), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, 0xD800}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Encoding, EveryCodePage1252ByteRoundTrips) {
    const std::string bytes = AllBytes();
    const std::u16string text = Cp1252ToUtf16(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(Utf16ToCp1252(text), bytes);
    EXPECT_EQ(text[0x80], u'\u20AC');
    EXPECT_EQ(text[0x9F], u'\u0178');
    EXPECT_EQ(text[0xF1], u'\u00F1');
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(text[undefined], char16_t(undefined));
    }
}

TEST(Encoding, CharactersOutsideCodePage1252BecomeQuestionMarks) {
    EXPECT_EQ(Utf16ToCp1252(u"A\u20AC\u00F1"), "A\x80\xF1");
    EXPECT_EQ(Utf16ToCp1252(u"\u65E5\u0080"), "??");
    EXPECT_EQ(Utf16ToCp1252(u"x\U0001F600y"), "x??y"); // one per UTF-16 unit, as Windows
    EXPECT_EQ(Utf16ToCp1252(std::u16string{0xD800}), "?");
}

TEST(Encoding, EveryLatin1ByteRoundTrips) {
    const std::string bytes = AllBytes();
    const std::u16string text = Latin1ToUtf16(bytes);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(text[size_t(b)], char16_t(b));
    }
    EXPECT_EQ(Utf16ToLatin1(text), bytes);
    EXPECT_EQ(Utf16ToLatin1(u"\u20ACa\U0001F600"), "?a?");
}

} // namespace
} // namespace text
