// Any text as a connection string, read for the attributes the database client uses.
#include "database/ConnectionAttributes.h"
#include "text/Encoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text =
        text::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    const database::ConnectionAttributes attributes = database::ParseConnectionString(text);
    if (attributes.database.size() + attributes.password.size() > text.size())
        __builtin_trap(); // every value is a piece of the text
    return 0;
}
