// Any text as an ini file's content, looked up the way the installation's setting is.
#include "platform/posix/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string content =
        platform::posix::DecodeProfile(std::string_view(reinterpret_cast<const char*>(data), size));
    for (std::u16string_view key : {u"SERVIDOR", u"MI_CLAVE", u""}) {
        const auto value = platform::posix::FindProfileString(content, u"INICIO", key);
        if (value && value->find(u'\n') != std::u16string::npos)
            __builtin_trap(); // a value never runs past its line
    }
    return 0;
}
