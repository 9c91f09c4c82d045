#pragma once

#include "json/Collection.h"
#include "json/Dictionary.h"
#include "json/JsonValue.h"
#include <string>

namespace json::testing {

// A parsed value written out compactly, so that a whole result compares as one text:
// {a:1,b:[true,null,"x"]}, ~ for the empty value.
inline std::u16string Dump(const JsonValue& v) {
    if (auto d = v.AsDictionary()) {
        std::u16string out = u"{";
        for (const auto& [key, item] : *d)
            out.append(out.size() > 1 ? u"," : u"").append(key).append(u":").append(Dump(item));
        return out.append(u"}");
    }
    if (auto c = v.AsCollection()) {
        std::u16string out = u"[";
        for (const JsonValue& item : *c)
            out.append(out.size() > 1 ? u"," : u"").append(Dump(item));
        return out.append(u"]");
    }
    if (v.IsEmpty())
        return u"~";
    if (v.IsNull())
        return u"null";
    if (v.IsBoolean())
        return v.AsBoolean() ? u"true" : u"false";
    return v.IsText() ? std::u16string(u"\"").append(v.AsText()).append(u"\"") : v.AsText();
}

} // namespace json::testing
