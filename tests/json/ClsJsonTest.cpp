#include "json/clsJson.h"

#include "Dump.h"
#include "text/Text.h"

#include <gtest/gtest.h>

namespace {

using json::clsJson;
using json::JsonValue;
using json::testing::Dump;

std::u16string Repeat(std::u16string_view piece, int count) {
    std::u16string result;
    for (int i = 0; i < count; ++i)
        result += piece;
    return result;
}

struct ParseCase {
    std::u16string_view text;
    std::u16string_view result; // as Dump writes it
    std::u16string_view errors;
};

// One parser object reads every text in turn: each parse starts a new error text.
const ParseCase ParseCases[] = {
    // Only a container is JSON; a wrapped reply is accepted.
    {u"", u"~", u"Invalid JSON"},
    {u"  \r\n\t", u"~", u"Invalid JSON"},
    {u"\"x\"", u"~", u"Invalid JSON"},
    {u"12", u"~", u"Invalid JSON"},
    {u"/* c */ true", u"~", u"Invalid JSON"},
    {u"{}", u"{}", u""},
    {u"  []", u"[]", u""},
    {u"( {'a':1} )", u"{a:1}", u""},
    {u"{\"a\":1} trailing ]] garbage", u"{a:1}", u""},
    // Every kind of value, in reading order.
    {u"{\"s\":\"text\", 'a':'it\"s', \"n\":-12.50, \"t\":true, \"f\":false, \"z\":null,"
     u" \"o\":{\"x\":[1,[2],{}]}, \"e\":[]}",
     u"{s:\"text\",a:\"it\"s\",n:-12.5,t:true,f:false,z:null,o:{x:[1,[2],{}]},e:[]}", u""},
    {u"[1.5,-3,2e3,+0.25,1E2,0.09]", u"[1.5,-3,2000,0.25,100,0.09]", u""},
    {u"{\"SIZE\":1,\"RS\":[{\"ID\":35812,\"FECHA\":\"2024-03-01\",\"ESTADO\":0}]}",
     u"{SIZE:1,RS:[{ID:35812,FECHA:\"2024-03-01\",ESTADO:0}]}", u""},
    // Members need no commas, keys no quotes; blanks and tabs inside keys are dropped.
    {u"{'a':1 'b':2 , ,c:3 \"N O\":4 'x\ty':5}", u"{a:1,b:2,,c:3,NO:4,xy:5}", u""},
    {u"[,1 2,3]", u"[1,2,3]", u""},
    {u"{a\\b:1}", u"{a\\b:1}", u""},
    {u"{\"it's\":1,\"x\":2}", u"{its:1,x:2}:~}", u"Missing '}': {\"it's\":1,\"x\":2}\r\n"},
    // Escapes; four positions follow \u whatever they hold.
    {u"[\"\\\"\\\\\\/\\'\\b\\f\\n\\r\\t\\u00e9\\u00AA\\uFFFF\\u8000\\q\", '\\u12G4xy', 'a\"b',"
     u" \"\\u41zzB\", \"tab\tand\nline\"]",
     u"[\"\"\\/"
     u"'\b\f\n\r\t\u00e9\u00aa\uffff\u8000q\",\"\x12xy\",\"a\"b\",\"AB\",\"tab\tand\nline\"]",
     u""},
    // Comments wherever blanks are skipped; a "/" ends a line comment.
    {u"/* head */{ // line\r\n 'a' /* k */ : /**/ 1 /* x*/ ,\n'b'://c\n[2 /*y*/]}", u"{a:1,b:[2]}",
     u""},
    {u"{// a/b:1}", u"{b:1}", u""},
    // Faults: reported, and what could be read is kept.
    {u"{\"\U0001F600\":tru}", u"{\U0001F600:false,tru}:~}",
     u"Invalid Boolean at position 7 : tru}\r\nMissing '}': {\"\U0001F600\":tru}\r\n"},
    {u"{\"a\" 1}", u"{a:1}", u"Invalid Key at position 6 : a\r\n"},
    {u"{\"a\":1,\"b\":2,\"a\":3,\"c\":4}", u"{a:1,b:2}",
     u"This key is already associated with an element of this collection: a\r\n"},
    {u"{\"a\":1,\"b\":True,\"c\":3}", u"{a:1}", u"Type mismatch: b\r\n"},
    {u"[1,True,2]", u"[1]", u"Type mismatch: True,2]\r\n"},
    {u"{\"a\":}", u"{}", u"Type mismatch: a\r\n"},
    {u"[1,,2]", u"[1]", u"Type mismatch: ,2]\r\n"},
    {u"{\"a\":1-2,\"b\":1}", u"{}", u"Type mismatch: a\r\n"},
    {u"[7,--]", u"[7]", u"Type mismatch: ]\r\n"},
    {u"[e]", u"[]", u"Type mismatch: ]\r\n"},
    {u"[1e40]", u"[]", u"Overflow: ]\r\n"},
    {u"{\"a\":1e40,\"b\":1}", u"{}", u"Overflow: a\r\n"},
    {u"[\"abc", u"[\"abc\"]", u"Missing ']': [\"abc\r\n"},
    {u"[1, 2", u"[1,~]", u"Missing ']': [1, 2\r\n"},
    {u"[1, 2, 3, 4, 5, 6, 7, 8, 9", u"[1,2,3,4,5,6,7,8,~]",
     u"Missing ']':  3, 4, 5, 6, 7, 8, 9\r\n"},
    {u"{\"a\":{\"b\":1 ", u"{a:{b:1}}",
     u"Missing '}': {\"a\":{\"b\":1 \r\nMissing '}': {\"a\":{\"b\":1 \r\n"},
    {u"{\"a\":1,}", u"{a:1,}:~}", u"Missing '}': {\"a\":1,}\r\n"},
    {u"{\"a\":1,}\"b\":2}", u"{a:1,}b:2}", u""},
    {u"{\"a\":tru,\"b\":2}", u"{a:false,tru,b:2}",
     u"Invalid Boolean at position 6 : tru,\"b\":2}\r\n"},
    {u"{\"a\":nul}", u"{a:~,nul}:~}",
     u"Invalid null value at position 6 : nul}\r\nMissing '}': {\"a\":nul}\r\n"},
    {u"[1,nul,2]", u"[1]",
     u"Invalid null value at position 4 : nul,2]\r\nInvalid literal: nul,2]\r\n"},
    {u"[fals]", u"[]", u"Invalid Boolean at position 2 : fals]\r\nInvalid literal: fals]\r\n"},
    // A raised failure ends every enclosing container, each with its own line: reading on
    // would file the remains of the failed member under the wrong keys.
    {u"{\"a\":[1,{\"b\":1-2,\"c\":3}],\"d\":4}", u"{a:[1,{}]}",
     u"Type mismatch: b\r\nType mismatch: ,\"c\":3}],\"d\":4}\r\nType mismatch: a\r\n"},
    {u"{\"x\":[tru],\"y\":1}", u"{x:[]}",
     u"Invalid Boolean at position 7 : tru],\"y\":1}\r\nInvalid literal: tru],\"y\":1}\r\n"
     u"Invalid literal: x\r\n"},
};

TEST(ClsJson, ReadsServiceRepliesLenientlyAndReportsEachFault) {
    clsJson json;
    for (const ParseCase& c : ParseCases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(Dump(json.parse(c.text)), c.result);
        EXPECT_EQ(json.GetParserErrors(), c.errors);
    }
    EXPECT_EQ(json.ClearParserErrors(), u"");
    EXPECT_EQ(json.GetParserErrors(), u"");
}

TEST(ClsJson, ManyAndLongStringsInOneParse) {
    const std::u16string longValue(20000, u'\u00f1');
    std::u16string text = u"[\"" + longValue + u"\"";
    for (int i = 0; i < 100; ++i)
        text += u",\"v" + std::u16string(size_t(i % 5), u'x') + u"\"";
    clsJson json;
    const JsonValue v = json.parse(text + u"]");
    ASSERT_EQ(v.AsCollection()->Count(), 101);
    EXPECT_EQ(v[1].AsText(), longValue);
    EXPECT_EQ(v[2].AsText(), u"v");
    EXPECT_EQ(v[101].AsText(), u"vxxxx");
}

TEST(ClsJson, NestingDeeperThan512LevelsEndsTheInnermostContainer) {
    clsJson json;
    json.parse(Repeat(u"[", 512) + Repeat(u"]", 512));
    EXPECT_EQ(json.GetParserErrors(), u"");

    const JsonValue v = json.parse(Repeat(u"[", 600) + Repeat(u"]", 600));
    EXPECT_EQ(json.GetParserErrors(),
              Repeat(u"Nesting deeper than 512 levels: " + Repeat(u"[", 20) + u"\r\n", 512));
    EXPECT_EQ(Dump(v), Repeat(u"[", 512) + Repeat(u"]", 512));

    json.parse(Repeat(u"{\"a\":", 600));
    EXPECT_EQ(json.GetParserErrors(), Repeat(u"Nesting deeper than 512 levels: a\r\n", 512));
}

TEST(ClsJson, TheErrorTextOfAFaultyLongTextIsCut) {
    std::u16string text = u"{";
    for (int i = 0; i < 20000; ++i)
        text.append(u"k").append(text::FromInt(i)).append(u":t ");
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
