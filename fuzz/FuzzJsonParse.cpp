#include "FuzzInput.h"
#include "text/RuntimeError.h"

#include "json/Collection.h"
#include "json/Dictionary.h"
#include "json/clsJson.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Any text through parse, then every value of the result read the way callers read it.

namespace {

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
    const std::u16string source = FuzzText(data, size);
    json::clsJson parser;
    const json::JsonValue result = parser.parse(source);
    Walk(result, 0);
    const std::u16string errors = parser.GetParserErrors();
    if (result.IsEmpty() && !errors.empty() && errors != u"Invalid JSON") {
        __builtin_trap();
    }
    return 0;
}
