#include "Raised.h"
#include "text/Text.h"

#include "json/Collection.h"
#include "json/Dictionary.h"
#include "json/JsonValue.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

using json::Collection;
using json::Decimal;
using json::Dictionary;
using json::JsonValue;

const std::string DuplicateKey =
    "error 457 This key is already associated with an element of this collection";

std::u16string Key(int i) {
    return std::u16string(u"k").append(text::FromInt(i));
}

TEST(Dictionary, KeepsReadingOrderComparesKeysExactlyAndRefusesARepeatedKey) {
    Dictionary d;
    d.Add(u"b", JsonValue(Decimal(1)));
    d.Add(u"a", JsonValue(u"x"));
    d.Add(u"A", JsonValue(true));
    EXPECT_EQ(d.keys(), (std::vector<std::u16string>{u"b", u"a", u"A"}));
    EXPECT_TRUE(d.Exists(u"a"));
    EXPECT_FALSE(d.Exists(u"B"));
    EXPECT_EQ(d.Item(u"a").AsText(), u"x");
    EXPECT_TRUE(d.Item(u"missing").IsEmpty());

    std::u16string key = u"b";
    JsonValue value(Decimal(2));
    EXPECT_EQ(fixtures::Raised([&] { d.Add(std::move(key), std::move(value)); }), DuplicateKey);
    EXPECT_EQ(d.Count(), 3);
    EXPECT_EQ(d.Item(u"b").AsInt32(), 1);
    EXPECT_EQ(key, u"b") << "a refused key is left to the caller";
}

// Larger objects are searched through a hash index; the first version of it probed
// forever for a missing key at some sizes.
TEST(Dictionary, EverySizeFindsEveryKeyAndAnswersMissingOnes) {
    for (int size = 1; size <= 300; ++size) {
        Dictionary d;
        for (int i = 0; i < size; ++i)
            d.Add(Key(i * 7919), JsonValue(Decimal(i)));
        for (int i = 0; i < 50; ++i)
            ASSERT_FALSE(d.Exists(std::u16string(u"missing").append(text::FromInt(i)))) << size;
        for (int i = 0; i < size; i += 13)
            ASSERT_EQ(d.Item(Key(i * 7919)).AsInt32(), i) << size;
        ASSERT_EQ(d.Item(Key((size - 1) * 7919)).AsInt32(), size - 1);
    }
    Dictionary large;
    for (int i = 0; i < 5000; ++i)
        large.Add(Key(i), JsonValue(Decimal(i)));
    EXPECT_EQ(large.Item(u"k4321").AsInt32(), 4321);
    EXPECT_FALSE(large.Exists(u"K1"));
    EXPECT_EQ(fixtures::Raised([&] { large.Add(u"k4999", JsonValue()); }), DuplicateKey);
    EXPECT_EQ(large.keys().back(), u"k4999");
}

TEST(Collection, CountsFromOneAndRefusesIndicesOutside) {
    Collection c;
    c.Add(JsonValue(u"first"));
    c.Add(JsonValue(json::Null{}));
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Item(1).AsText(), u"first");
    EXPECT_TRUE(c.Item(2).IsNull());
    EXPECT_EQ(fixtures::Raised([&] { c.Item(0); }), "error 9 Subscript out of range");
    EXPECT_EQ(fixtures::Raised([&] { c.Item(3); }), "error 9 Subscript out of range");
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
    EXPECT_EQ(fixtures::Raised([] { JsonValue(json::Null{}).AsInt32(); }),
              "error 94 Invalid use of Null");
    EXPECT_EQ(fixtures::Raised([] { JsonValue(u"abc").AsInt32(); }), "error 13 Type mismatch");
    auto line = std::make_shared<Dictionary>();
    line->Add(u"ID", JsonValue(Decimal(7)));
    EXPECT_EQ(fixtures::Raised([&] { JsonValue(line).AsInt32(); }), "error 13 Type mismatch");
    EXPECT_EQ(fixtures::Raised([&] { JsonValue(line).AsText(); }), "error 13 Type mismatch");

    auto rs = std::make_shared<Collection>();
    rs->Add(JsonValue(line));
    auto reply = std::make_shared<Dictionary>();
    reply->Add(u"RS", JsonValue(rs));
    const JsonValue root(reply);
    EXPECT_EQ(root[u"RS"][1][u"ID"].AsInt32(), 7);
    EXPECT_TRUE(root[u"RS"][2][u"ID"].IsEmpty());
    EXPECT_TRUE(root[u"RS"][0].IsEmpty());
    EXPECT_TRUE(root[u"rs"][1].IsEmpty());
    EXPECT_TRUE(root[1].IsEmpty());
    EXPECT_TRUE(root[u"RS"][1][u"ID"][u"x"].IsEmpty());
    EXPECT_EQ(root[u"RS"].AsCollection(), rs);
    EXPECT_EQ(root.AsCollection(), nullptr);
}

} // namespace
