#include "json/clsJson.h"

#include "KeysOf.h"

#include <gtest/gtest.h>

namespace {

using json::clsJson;
using json::JsonValue;

using json::testing::Keys;
using json::testing::KeysOf;

TEST(ClsJson, TextsThatDoNotStartWithAContainerGiveNothing) {
    clsJson json;
    for (const char16_t* text : {u"", u"  \r\n\t", u"abc", u"\"x\"", u"12", u"/* c */ true"}) {
        EXPECT_TRUE(json.parse(text).IsEmpty());
        EXPECT_EQ(json.GetParserErrors(), u"Invalid JSON");
    }
    EXPECT_EQ(json.ClearParserErrors(), u"");
    EXPECT_EQ(json.GetParserErrors(), u"");
}

TEST(ClsJson, ReadsEmptyContainersAndAWrappedReply) {
    clsJson json;
    const JsonValue object = json.parse(u"{}");
    ASSERT_TRUE(object.IsDictionary());
    EXPECT_EQ(object.AsDictionary()->Count(), 0);
    const JsonValue array = json.parse(u"  []");
    ASSERT_TRUE(array.IsCollection());
    EXPECT_EQ(array.AsCollection()->Count(), 0);
    const JsonValue wrapped = json.parse(u"( {'a':1} )");
    EXPECT_EQ(wrapped[u"a"].AsInt32(), 1);
    EXPECT_EQ(json.GetParserErrors(), u"");
}

TEST(ClsJson, ReadsEveryKindOfValue) {
    clsJson json;
    const JsonValue v = json.parse(
        u"{\"s\":\"text\", 'a':'it\"s', \"n\":-12.50, \"t\":true, \"f\":false, \"z\":null,"
        u" \"o\":{\"x\":[1,[2],{}]}, \"e\":[]}");
    EXPECT_EQ(json.GetParserErrors(), u"");
    EXPECT_EQ(KeysOf(v), (Keys{u"s", u"a", u"n", u"t", u"f", u"z", u"o", u"e"}));
    EXPECT_EQ(*v[u"s"].AsTextPointer(), u"text");
    EXPECT_EQ(*v[u"a"].AsTextPointer(), u"it\"s");
    EXPECT_EQ(v[u"n"].AsDecimal()->ToText(), u"-12.5");
    EXPECT_TRUE(v[u"t"].IsBoolean() && v[u"t"].AsBoolean());
    EXPECT_TRUE(v[u"f"].IsBoolean() && !v[u"f"].AsBoolean());
    EXPECT_TRUE(v[u"z"].IsNull());
    EXPECT_EQ(v[u"o"][u"x"].AsCollection()->Count(), 3);
    EXPECT_EQ(v[u"o"][u"x"][2][1].AsInt32(), 2);
    EXPECT_TRUE(v[u"o"][u"x"][3].IsDictionary());
    EXPECT_EQ(v[u"e"].AsCollection()->Count(), 0);
}

TEST(ClsJson, MembersNeedNoCommasAndKeysNeedNoQuotes) {
    clsJson json;
    const JsonValue v = json.parse(u"{'a':1 'b':2 , ,c:3 \"N O\":4 'x\ty':5}");
    EXPECT_EQ(KeysOf(v), (Keys{u"a", u"b", u",c", u"NO", u"xy"}));
    EXPECT_EQ(v[u"b"].AsInt32(), 2);
    EXPECT_EQ(v[u",c"].AsInt32(), 3);
    EXPECT_EQ(v[u"NO"].AsInt32(), 4);
    const JsonValue a = json.parse(u"[,1 2,3]");
    ASSERT_EQ(a.AsCollection()->Count(), 3);
    EXPECT_EQ(a[1].AsInt32(), 1);
    EXPECT_EQ(a[2].AsInt32(), 2);
    EXPECT_EQ(a[3].AsInt32(), 3);
    EXPECT_EQ(json.GetParserErrors(), u"");
}

TEST(ClsJson, KeysKeepBackslashesAndAnApostropheInsideDoubleQuotesSwallowsTheColon) {
    clsJson json;
    EXPECT_EQ(KeysOf(json.parse(u"{a\\b:1}")), (Keys{u"a\\b"}));
    const JsonValue v = json.parse(u"{\"it's\":1,\"x\":2}");
    EXPECT_EQ(KeysOf(v), (Keys{u"its:1,x:2}"}));
    EXPECT_TRUE(v[u"its:1,x:2}"].IsEmpty());
    EXPECT_EQ(json.GetParserErrors(), u"Missing '}': {\"it's\":1,\"x\":2}\r\n");
}

TEST(ClsJson, DecodesEveryEscape) {
    clsJson json;
    const JsonValue v =
        json.parse(u"[\"\\\"\\\\\\/\\'\\b\\f\\n\\r\\t\\u00e9\\u00C9\\uFFFF\\u8000\\q\", "
                   u"'\\u12G4xy', 'a\"b', \"\\u41zzB\", \"tab\tand\nline\"]");
    EXPECT_EQ(json.GetParserErrors(), u"");
    EXPECT_EQ(v[1].AsText(), u"\"\\/'\b\f\n\r\t\u00e9\u00c9\uffff\u8000q");
    // Four positions are consumed whatever they hold.
    EXPECT_EQ(v[2].AsText(), std::u16string(u"\x12xy"));
    EXPECT_EQ(v[3].AsText(), u"a\"b");
    EXPECT_EQ(v[4].AsText(), u"AB");
    EXPECT_EQ(v[5].AsText(), u"tab\tand\nline");
}

TEST(ClsJson, ManyAndLongStringsInOneParse) {
    std::u16string text = u"[";
    const std::u16string longValue(20000, u'\u00f1');
    text += u"\"" + longValue + u"\"";
    for (int i = 0; i < 100; ++i) {
        text += u",\"v" + std::u16string(size_t(i % 5), u'x') + u"\"";
    }
    text += u"]";
    clsJson json;
    const JsonValue v = json.parse(text);
    ASSERT_EQ(v.AsCollection()->Count(), 101);
    EXPECT_EQ(v[1].AsText(), longValue);
    EXPECT_EQ(v[2].AsText(), u"v");
    EXPECT_EQ(v[101].AsText(), u"vxxxx");
}

TEST(ClsJson, SkipsCommentsWhereverFillerIsSkipped) {
    clsJson json;
    const JsonValue v = json.parse(u"/* head */{ // line\r\n 'a' /* k */ : /**/ 1 /* x*/ ,"
                                   u"\n'b'://c\n[2 /*y*/]}");
    EXPECT_EQ(json.GetParserErrors(), u"");
    EXPECT_EQ(KeysOf(v), (Keys{u"a", u"b"}));
    EXPECT_EQ(v[u"b"][1].AsInt32(), 2);
    // A "/" inside a line comment ends it: b is the next token.
    EXPECT_EQ(KeysOf(json.parse(u"{// a/b:1}")), (Keys{u"b"}));
    const JsonValue afterComment = json.parse(u"{// a/b:1}");
    EXPECT_EQ(afterComment[u"b"].AsInt32(), 1);
}

TEST(ClsJson, TextAfterTheTopLevelContainerIsNotLookedAt) {
    clsJson json;
    const JsonValue v = json.parse(u"{\"a\":1} trailing ]] garbage");
    EXPECT_EQ(v[u"a"].AsInt32(), 1);
    EXPECT_EQ(json.GetParserErrors(), u"");
}

TEST(ClsJson, PositionsCountUtf16Units) {
    clsJson json;
    json.parse(u"{\"\U0001F600\":tru}");
    EXPECT_EQ(json.GetParserErrors(), u"Invalid Boolean at position 7 : tru}\r\n"
                                      u"Missing '}': {\"\U0001F600\":tru}\r\n");
}

TEST(ClsJson, ReadsAServiceReply) {
    clsJson json;
    const JsonValue reply = json.parse(
        u"{\"SIZE\":1,\"RS\":[{\"ID\":35812,\"NUMERO\":\"35812\",\"FECHA\":\"2024-03-01\","
        u"\"OBSERVACION\":\"Impresora sin conexi\u00f3n. TeamViewer ID = 123 456 789\","
        u"\"ESTADO\":0}]}");
    EXPECT_EQ(json.GetParserErrors(), u"");
    EXPECT_EQ(reply[u"SIZE"].AsInt32(), 1);
    EXPECT_EQ(reply[u"RS"][1][u"ID"].AsInt32(), 35812);
    EXPECT_EQ(reply[u"RS"][1][u"NUMERO"].AsInt32(), 35812);
    EXPECT_EQ(reply[u"RS"][1][u"ESTADO"].AsText(), u"0");
    EXPECT_TRUE(reply[u"RS"][2][u"ID"].IsEmpty());
}

TEST(ClsJson, EachParseStartsANewErrorText) {
    clsJson json;
    json.parse(u"[1,");
    EXPECT_NE(json.GetParserErrors(), u"");
    json.parse(u"[1]");
    EXPECT_EQ(json.GetParserErrors(), u"");
}

} // namespace
