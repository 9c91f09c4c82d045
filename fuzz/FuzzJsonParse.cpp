#include "text/Encoding.h"
#include "text/RuntimeError.h"

#include "json/Collection.h"
#include "json/Dictionary.h"
#include "json/clsJson.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Any text through parse, then every value of the result read the way callers read it.
// An input starting with a zero byte is taken as raw UTF-16 code units (little-endian), so
// that unpaired surrogates and any other unit reach the parser; any other input is UTF-8.

namespace {

std::u16string TextOf(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 0) {
        std::u16string units;
        for (size_t i = 1; i + 1 < size; i += 2) {
            units.push_back(char16_t(data[i] | (data[i + 1] << 8)));
        }
        return units;
    }
    return text::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
}

void ReadScalar(const json::JsonValue& value) {
    try {
        value.AsText();
        value.AsInt32();
    } catch (const text::RuntimeError&) {
        // Out-of-range numbers and null are refused by design.
    }
}

void Walk(const json::JsonValue& value, int depth) {
    if (depth > json::clsJson::MaxDepth + 1) {
        __builtin_trap(); // the parser must never nest deeper than its limit
    }
    if (const auto object = value.AsDictionary()) {
        for (const auto& [key, member] : *object) {
            if (object->Item(key).Raw().index() != member.Raw().index()) {
                __builtin_trap();
            }
            Walk(member, depth + 1);
        }
    } else if (const auto array = value.AsCollection()) {
        for (int32_t i = 1; i <= array->Count(); ++i) {
            Walk(array->Item(i), depth + 1);
        }
    } else {
        ReadScalar(value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string source = TextOf(data, size);
    json::clsJson parser;
    const json::JsonValue result = parser.parse(source);
    Walk(result, 0);
    const std::u16string errors = parser.GetParserErrors();
    if (result.IsEmpty() && !errors.empty() && errors != u"Invalid JSON") {
        __builtin_trap();
    }
    return 0;
}
