#include "KeysOf.h"
#include "text/Text.h"

#include "json/clsJson.h"
#include <gtest/gtest.h>

namespace {

using json::clsJson;
using json::JsonValue;

using json::testing::Keys;
using json::testing::KeysOf;

int32_t CountOf(const JsonValue& v) {
    return v.AsCollection() ? v.AsCollection()->Count() : -1;
}

std::u16string Repeat(std::u16string_view piece, int count) {
    std::u16string result;
    for (int i = 0; i < count; ++i) {
        result += piece;
    }
    return result;
}

TEST(ClsJsonErrors, AKeyWithoutColonIsReportedAndStillKeepsItsValue) {
    clsJson json;
    const JsonValue v = json.parse(u"{\"a\" 1}");
    EXPECT_EQ(json.GetParserErrors(), u"Invalid Key at position 6 : a\r\n");
    EXPECT_EQ(v[u"a"].AsInt32(), 1);
}

TEST(ClsJsonErrors, ARepeatedKeyEndsTheObjectAtThatMember) {
    clsJson json;
    const JsonValue v = json.parse(u"{\"a\":1,\"b\":2,\"a\":3,\"c\":4}");
    EXPECT_EQ(KeysOf(v), (Keys{u"a", u"b"}));
    EXPECT_EQ(v[u"a"].AsInt32(), 1);
    EXPECT_EQ(json.GetParserErrors(),
              u"This key is already associated with an element of this collection: a\r\n");
}

TEST(ClsJsonErrors, ValuesOutsideTheNumberSetRaiseTypeMismatch) {
    clsJson json;
    EXPECT_EQ(KeysOf(json.parse(u"{\"a\":1,\"b\":True,\"c\":3}")), (Keys{u"a"}));
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: b\r\n");
    EXPECT_EQ(CountOf(json.parse(u"[1,True,2]")), 1);
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: True,2]\r\n");
    EXPECT_EQ(KeysOf(json.parse(u"{\"a\":}")), Keys{});
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: a\r\n");
    EXPECT_EQ(CountOf(json.parse(u"[1,,2]")), 1);
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: ,2]\r\n");
}

TEST(ClsJsonErrors, NumberTextsConvertTheSameOnEveryMachine) {
    clsJson json;
    const JsonValue v = json.parse(u"[1.5,-3,2e3,+0.25]");
    EXPECT_EQ(json.GetParserErrors(), u"");
    EXPECT_EQ(v[1].AsText(), u"1.5");
    EXPECT_EQ(v[3].AsInt32(), 2000);
    EXPECT_EQ(v[4].AsText(), u"0.25");
    EXPECT_EQ(KeysOf(json.parse(u"{\"a\":1-2,\"b\":1}")), Keys{});
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: a\r\n");
    EXPECT_EQ(CountOf(json.parse(u"[7,--]")), 1);
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: ]\r\n");
    EXPECT_EQ(CountOf(json.parse(u"[e]")), 0);
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: ]\r\n");
    EXPECT_EQ(CountOf(json.parse(u"[1e40]")), 0);
    EXPECT_EQ(json.GetParserErrors(), u"Overflow: ]\r\n");
    EXPECT_EQ(KeysOf(json.parse(u"{\"a\":1e40,\"b\":1}")), Keys{});
    EXPECT_EQ(json.GetParserErrors(), u"Overflow: a\r\n");
}

TEST(ClsJsonErrors, UnclosedContainersReportTheLastTwentyCharacters) {
    clsJson json;
    JsonValue v = json.parse(u"[\"abc");
    EXPECT_EQ(v[1].AsText(), u"abc");
    EXPECT_EQ(json.GetParserErrors(), u"Missing ']': [\"abc\r\n");

    v = json.parse(u"[1, 2");
    EXPECT_EQ(CountOf(v), 2);
    EXPECT_TRUE(v[2].IsEmpty());
    EXPECT_EQ(json.GetParserErrors(), u"Missing ']': [1, 2\r\n");

    json.parse(u"[1, 2, 3, 4, 5, 6, 7, 8, 9");
    EXPECT_EQ(json.GetParserErrors(), u"Missing ']':  3, 4, 5, 6, 7, 8, 9\r\n");

    v = json.parse(u"{\"a\":{\"b\":1 ");
    EXPECT_EQ(v[u"a"][u"b"].AsInt32(), 1);
    EXPECT_EQ(json.GetParserErrors(),
              u"Missing '}': {\"a\":{\"b\":1 \r\nMissing '}': {\"a\":{\"b\":1 \r\n");
}

TEST(ClsJsonErrors, ACommaBeforeTheClosingBraceStartsOneMoreKey) {
    clsJson json;
    JsonValue v = json.parse(u"{\"a\":1,}");
    EXPECT_EQ(KeysOf(v), (Keys{u"a", u"}"}));
    EXPECT_TRUE(v[u"}"].IsEmpty());
    EXPECT_EQ(json.GetParserErrors(), u"Missing '}': {\"a\":1,}\r\n");

    v = json.parse(u"{\"a\":1,}\"b\":2}");
    EXPECT_EQ(KeysOf(v), (Keys{u"a", u"}b"}));
    EXPECT_EQ(v[u"}b"].AsInt32(), 2);
    EXPECT_EQ(json.GetParserErrors(), u"");
}

TEST(ClsJsonErrors, InvalidLiteralsInsideAnObjectAreReadOverByTheNextKey) {
    clsJson json;
    JsonValue v = json.parse(u"{\"a\":tru,\"b\":2}");
    EXPECT_EQ(json.GetParserErrors(), u"Invalid Boolean at position 6 : tru,\"b\":2}\r\n");
    EXPECT_EQ(KeysOf(v), (Keys{u"a", u"tru,b"}));
    EXPECT_TRUE(v[u"a"].IsBoolean());
    EXPECT_FALSE(v[u"a"].AsBoolean());
    EXPECT_EQ(v[u"tru,b"].AsInt32(), 2);

    v = json.parse(u"{\"a\":nul}");
    EXPECT_EQ(json.GetParserErrors(), u"Invalid null value at position 6 : nul}\r\n"
                                      u"Missing '}': {\"a\":nul}\r\n");
    EXPECT_TRUE(v[u"a"].IsEmpty());
    EXPECT_TRUE(v.AsDictionary()->Exists(u"a"));
}

TEST(ClsJsonErrors, AnInvalidLiteralEndsTheArray) {
    clsJson json;
    EXPECT_EQ(CountOf(json.parse(u"[1,nul,2]")), 1);
    EXPECT_EQ(json.GetParserErrors(), u"Invalid null value at position 4 : nul,2]\r\n"
                                      u"Invalid literal: nul,2]\r\n");
    EXPECT_EQ(CountOf(json.parse(u"[fals]")), 0);
    EXPECT_EQ(json.GetParserErrors(), u"Invalid Boolean at position 2 : fals]\r\n"
                                      u"Invalid literal: fals]\r\n");
}

// A raised failure ends every enclosing container too, each with its own line: reading on
// from the middle of the failed member would file its remains under the wrong keys.
TEST(ClsJsonErrors, ARaisedFailureEndsEveryEnclosingContainer) {
    clsJson json;
    JsonValue v = json.parse(u"{\"a\":[1,{\"b\":1-2,\"c\":3}],\"d\":4}");
    EXPECT_EQ(KeysOf(v), (Keys{u"a"}));
    EXPECT_EQ(CountOf(v[u"a"]), 2);
    EXPECT_EQ(v[u"a"][2].AsDictionary()->Count(), 0);
    EXPECT_EQ(json.GetParserErrors(), u"Type mismatch: b\r\n"
                                      u"Type mismatch: ,\"c\":3}],\"d\":4}\r\n"
                                      u"Type mismatch: a\r\n");

    v = json.parse(u"{\"x\":[tru],\"y\":1}");
    EXPECT_EQ(KeysOf(v), (Keys{u"x"}));
    EXPECT_EQ(CountOf(v[u"x"]), 0);
    EXPECT_EQ(json.GetParserErrors(), u"Invalid Boolean at position 7 : tru],\"y\":1}\r\n"
                                      u"Invalid literal: tru],\"y\":1}\r\n"
                                      u"Invalid literal: x\r\n");
}

TEST(ClsJsonErrors, NestingDeeperThan512LevelsEndsTheInnermostContainer) {
    clsJson json;
    json.parse(Repeat(u"[", 512) + Repeat(u"]", 512));
    EXPECT_EQ(json.GetParserErrors(), u"");

    JsonValue v = json.parse(Repeat(u"[", 600) + Repeat(u"]", 600));
    const std::u16string line = u"Nesting deeper than 512 levels: " + Repeat(u"[", 20) + u"\r\n";
    EXPECT_EQ(json.GetParserErrors(), Repeat(line, 512));
    for (int level = 1; level < 512; ++level) {
        ASSERT_EQ(CountOf(v), 1) << level;
        v = v[1];
    }
    EXPECT_EQ(CountOf(v), 0);

    json.parse(Repeat(u"{\"a\":", 600));
    EXPECT_EQ(json.GetParserErrors(), Repeat(u"Nesting deeper than 512 levels: a\r\n", 512));
}

TEST(ClsJsonErrors, TheErrorTextOfAFaultyLongTextIsCut) {
    std::u16string text = u"{";
    for (int i = 0; i < 20000; ++i) {
        text.append(u"k").append(text::FromInt(i)).append(u":t ");
    }
    clsJson json;
    const JsonValue v = json.parse(text);
    EXPECT_EQ(v.AsDictionary()->Count(), 20001); // the last "t" becomes a key
    EXPECT_TRUE(v.AsDictionary()->Exists(u"tk19999"));
    const std::u16string errors = json.GetParserErrors();
    EXPECT_EQ(errors.size(), clsJson::MaxErrorTextLength);
    const std::u16string firstLine = u"Invalid Boolean at position 5 : " + text.substr(4) + u"\r\n";
    EXPECT_EQ(errors.substr(0, firstLine.size()), firstLine);
}

} // namespace
