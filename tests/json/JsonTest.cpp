#include "Raised.h"
#include "text/Encoding.h"
#include "text/Text.h"

#include "json/Collection.h"
#include "json/Dictionary.h"
#include "json/clsJson.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

using fixtures::Raised;
using json::clsJson;
using json::Collection;
using json::Decimal;
using json::Dictionary;
using json::JsonValue;

// A parsed value written out compactly, so that a whole result compares as one text:
// {a:1,b:[true,null,"x"]}, ~ for the empty value.
std::u16string Dump(const JsonValue& v) {
    std::u16string out;
    if (auto d = v.AsDictionary()) {
        for (const auto& [key, item] : *d)
            out.append(out.empty() ? u"" : u",").append(key).append(u":").append(Dump(item));
        return std::u16string(u"{").append(out).append(u"}");
    }
    if (auto c = v.AsCollection()) {
        for (const JsonValue& item : *c)
            out.append(out.empty() ? u"" : u",").append(Dump(item));
        return std::u16string(u"[").append(out).append(u"]");
    }
    if (v.IsEmpty() || v.IsNull() || v.IsBoolean())
        return v.IsEmpty() ? u"~" : v.IsNull() ? u"null" : v.AsBoolean() ? u"true" : u"false";
    return v.IsText() ? std::u16string(u"\"").append(v.AsText()).append(u"\"") : v.AsText();
}

std::u16string Repeat(std::u16string_view piece, int count) {
    std::u16string result;
    for (int i = 0; i < count; ++i)
        result += piece;
    return result;
}

// What a call gives as text, or the error it raised as "error N Description".
template <typename Call> std::string Outcome(Call call) {
    std::string value;
    const std::string raised = Raised([&] { value = text::Utf16ToUtf8(call()); });
    return raised.empty() ? value : raised;
}

constexpr char Mismatch[] = "error 13 Type mismatch";
constexpr char Overflow[] = "error 6 Overflow";
const std::string DuplicateKey =
    "error 457 This key is already associated with an element of this collection";

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
    // Escapes; four positions follow \u whatever they hold, hexadecimal digits of either
    // case at the ends of each range.
    {u"[\"\\\"\\\\\\/\\'\\b\\f\\n\\r\\t\\u00e9\\u00AA\\uFFFF\\u8000\\q\", '\\u12G4xy', 'a\"b',"
     u" \"\\u41zzB\", \"tab\tand\nline\", '\\u00af\\u00AF\\u00a0\\u00Fa\\u0009\\u00A0\\u00fA']",
     u"[\"\"\\/'\b\f\n\r\t\u00e9\u00aa\uffff\u8000q\",\"\x12xy\",\"a\"b\",\"AB\","
     u"\"tab\tand\nline\",\"\u00af\u00af\u00a0\u00fa\t\u00a0\u00fa\"]",
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
        SCOPED_TRACE(text::Utf16ToUtf8(c.text));
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
    const JsonValue v = clsJson().parse(text + u"]");
    ASSERT_EQ(v.AsCollection()->Count(), 101);
    EXPECT_EQ(v[1].AsText(), longValue);
    EXPECT_EQ(v[2].AsText(), u"v");
    EXPECT_EQ(v[101].AsText(), u"vxxxx");
}

TEST(ClsJson, NestingIsCutAt512LevelsAndTheErrorTextAtItsLimit) {
    clsJson json;
    json.parse(Repeat(u"[", 512) + Repeat(u"]", 512));
    EXPECT_EQ(json.GetParserErrors(), u"");
    const JsonValue v = json.parse(Repeat(u"[", 513) + Repeat(u"]", 513));
    EXPECT_EQ(json.GetParserErrors(),
              Repeat(u"Nesting deeper than 512 levels: [" + Repeat(u"]", 19) + u"\r\n", 512));
    EXPECT_EQ(Dump(v), Repeat(u"[", 512) + Repeat(u"]", 512));
    json.parse(Repeat(u"{\"a\":", 600));
    EXPECT_EQ(json.GetParserErrors(), Repeat(u"Nesting deeper than 512 levels: a\r\n", 512));

    std::u16string text = u"{";
    for (int i = 0; i < 20000; ++i)
        text.append(u"k").append(text::FromInt(i)).append(u":t ");
    const JsonValue d = json.parse(text);
    EXPECT_EQ(d.AsDictionary()->Count(), 20001); // the last "t" becomes a key
    EXPECT_TRUE(d.AsDictionary()->Exists(u"tk19999"));
    const std::u16string errors = json.GetParserErrors();
    EXPECT_EQ(errors.size(), clsJson::MaxErrorTextLength);
    const std::u16string firstLine = u"Invalid Boolean at position 5 : " + text.substr(4) + u"\r\n";
    EXPECT_EQ(errors.substr(0, firstLine.size()), firstLine);
}

TEST(Decimal, ReadsNumbersExactlyWritesThemWithoutTrailingZerosAndRoundsHalvesToEven) {
    // The canonical text, and the whole number (empty: not asked).
    // clang-format off
    const struct {
        std::u16string_view text;
        std::string_view canonical, whole;
    } cases[] = {
        {u"12.5", "12.5", "12"}, {u"-3", "-3", "-3"}, {u"+7", "7", ""}, {u".5", "0.5", "0"},
        {u"1.", "1", ""}, {u"2E-3", "0.002", ""}, {u"1e3", "1000", ""}, {u"-0.0", "0", ""},
        {u"-1.25e+1", "-12.5", ""}, {u"007", "7", ""}, {u"1.50", "1.5", "2"}, {u"100", "100", ""},
        {u"0.000", "0", ""}, {u"1e-99999999999", "0", ""}, {u"0e99999999999", "0", ""},
        {u"9876543210", "9876543210", Overflow},
        {u"79228162514264337593543950335", "79228162514264337593543950335", Overflow},
        {u"-79228162514264337593543950335", "-79228162514264337593543950335", ""},
        {u"7.9228162514264337593543950335e28", "79228162514264337593543950335", ""},
        // Beyond 28 places, or more digits than 96 bits hold: rounded, halves to even.
        {u"0.00000000000000000000000000015", "0.0000000000000000000000000002", ""},
        {u"0.00000000000000000000000000025", "0.0000000000000000000000000002", ""},
        {u"0.000000000000000000000000000251", "0.0000000000000000000000000003", ""},
        {u"0.00000000000000000000000000004", "0", ""}, {u"0.00000000000000000000000000005", "0", ""},
        {u"1.2345678901234567890123456789012", "1.2345678901234567890123456789", ""},
        {u"9.9999999999999999999999999999999", "10", "10"},
        // Whole numbers: halves to the even neighbour, within 32 bits.
        {u"2.5", "2.5", "2"}, {u"3.5", "3.5", "4"}, {u"-2.5", "-2.5", "-2"},
        {u"-3.5", "-3.5", "-4"}, {u"2.4999", "2.4999", "2"}, {u"2.5000001", "2.5000001", "3"},
        {u"-0.4", "-0.4", "0"}, {u"2147483647.4", "2147483647.4", "2147483647"},
        {u"2147483647.5", "2147483647.5", Overflow}, {u"-2147483649", "-2147483649", Overflow},
        {u"-2147483648.5", "-2147483648.5", "-2147483648"},
        {u"1e20", "100000000000000000000", Overflow},
        // Not numbers, or too large.
        {u"", Mismatch, ""}, {u"-", Mismatch, ""}, {u"+", Mismatch, ""}, {u"1-2", Mismatch, ""},
        {u"--", Mismatch, ""}, {u"e", Mismatch, ""}, {u".", Mismatch, ""}, {u"1e", Mismatch, ""},
        {u"1e+", Mismatch, ""}, {u"1.2.3", Mismatch, ""}, {u"1x", Mismatch, ""},
        {u" 1", Mismatch, ""},
        {u"1,5", Mismatch, ""}, {u"e5", Mismatch, ""}, {u"1/", Mismatch, ""}, {u"9:", Mismatch, ""},
        {u"1e29", Overflow, ""}, {u"79228162514264337593543950336", Overflow, ""},
        {u"1e99999999999", Overflow, ""}, {u"79228162514264337593543950335.5", Overflow, ""}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(text::Utf16ToUtf8(c.text));
        EXPECT_EQ(Outcome([&] { return Decimal::Parse(c.text).ToText(); }), c.canonical);
        if (!c.whole.empty()) {
            EXPECT_EQ(Outcome([&] { return text::FromInt(Decimal::Parse(c.text).ToInt32()); }),
                      c.whole);
        }
    }
    EXPECT_EQ(Decimal::Parse(u"1.50").Scale(), 2);
    EXPECT_EQ(Decimal::Parse(u"1.50"), Decimal::Parse(u"1.5"));
    EXPECT_EQ(Decimal(-3), Decimal::Parse(u"-3.0"));
    EXPECT_EQ(Decimal(-9223372036854775807LL - 1).ToText(), u"-9223372036854775808");
}

std::u16string Key(int i) {
    return std::u16string(u"k").append(text::FromInt(i));
}

// Larger objects are searched through a hash index; the first version of it probed
// forever for a missing key at some sizes. The order of the keys shows in the parse cases.
TEST(Dictionary, EverySizeFindsEveryKeyExactlyAndRefusesARepeatedOne) {
    for (int size = 1; size <= 300; ++size) {
        Dictionary d;
        for (int i = 0; i < size; ++i)
            d.Add(Key(i * 7919), JsonValue(Decimal(i)));
        for (int i = 0; i < 50; ++i)
            ASSERT_FALSE(d.Exists(std::u16string(u"missing").append(text::FromInt(i)))) << size;
        ASSERT_FALSE(d.Exists(u"K0")) << "keys compare exactly";
        for (int i = 0; i < size; i += 13)
            ASSERT_EQ(d.Item(Key(i * 7919)).AsInt32(), i) << size;
        ASSERT_EQ(d.Item(Key((size - 1) * 7919)).AsInt32(), size - 1);
        std::u16string key = Key(0);
        ASSERT_EQ(Raised([&] { d.Add(std::move(key), JsonValue()); }), DuplicateKey) << size;
        ASSERT_EQ(d.Count(), size);
        ASSERT_EQ(key, Key(0)) << "a refused key is left to the caller";
    }
}

TEST(JsonValue, ReadsAsTextAndAsWholeNumberAndLooksUpMembers) {
    EXPECT_EQ(JsonValue(Decimal::Parse(u"12.50")).AsText(), u"12.5");
    EXPECT_EQ(JsonValue(true).AsText(), u"True");
    EXPECT_EQ(JsonValue(false).AsText(), u"False");
    EXPECT_EQ(JsonValue(json::Null{}).AsText(), u"");
    EXPECT_EQ(JsonValue(Decimal::Parse(u"6.5")).AsInt32(), 6);
    EXPECT_EQ(JsonValue(u"42").AsInt32(), 42);
    EXPECT_EQ(JsonValue(true).AsInt32(), -1);
    EXPECT_EQ(JsonValue(false).AsInt32(), 0);
    EXPECT_EQ(JsonValue().AsInt32(), 0);
    EXPECT_EQ(Raised([] { JsonValue(json::Null{}).AsInt32(); }), "error 94 Invalid use of Null");
    EXPECT_EQ(Raised([] { JsonValue(u"abc").AsInt32(); }), Mismatch);
    auto line = std::make_shared<Dictionary>();
    line->Add(u"ID", JsonValue(Decimal(7)));
    EXPECT_EQ(Raised([&] { JsonValue(line).AsInt32(); }), Mismatch);
    EXPECT_EQ(Raised([&] { JsonValue(line).AsText(); }), Mismatch);

    auto rs = std::make_shared<Collection>();
    rs->Add(JsonValue(line));
    rs->Add(JsonValue(json::Null{}));
    EXPECT_EQ(Raised([&] { rs->Item(0); }), "error 9 Subscript out of range");
    EXPECT_EQ(Raised([&] { rs->Item(3); }), "error 9 Subscript out of range");
    auto reply = std::make_shared<Dictionary>();
    reply->Add(u"RS", JsonValue(rs));
    const JsonValue root(reply);
    EXPECT_EQ(root[u"RS"][1][u"ID"].AsInt32(), 7);
    EXPECT_TRUE(root[u"RS"][2].IsNull());
    EXPECT_TRUE(root[u"RS"][3][u"ID"].IsEmpty());
    EXPECT_TRUE(root[u"RS"][0].IsEmpty());
    EXPECT_TRUE(root[u"rs"][1].IsEmpty());
    EXPECT_TRUE(root[1].IsEmpty());
    EXPECT_TRUE(root[u"RS"][1][u"ID"][u"x"].IsEmpty());
    EXPECT_EQ(root[u"RS"].AsCollection(), rs);
    EXPECT_EQ(root.AsCollection(), nullptr);
}

} // namespace
