// Any bytes as a regedit export file, then the lookups the registry reader makes; the
// sanitizers watch every byte it touches.
#include "platform/posix/RegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

static bool IsString(uint32_t type) {
    return type == platform::RegistryTypeString || type == platform::RegistryTypeExpandString ||
           type == 7;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto registry = platform::posix::RegistryFile::Parse(
        std::string_view(reinterpret_cast<const char*>(data), size));
    for (platform::RegistryKey root : {0x80000000u, 0x80000001u, 0x80000002u})
        for (std::u16string_view key : {u"", u"software", u"SOFTWARE\\Wow6432Node\\TeamViewer",
                                        u"software\\asistenciaremota\\pruebas"})
            if (const auto* values = registry.Find(root, key))
                for (const auto& [name, value] : *values)
                    if (IsString(value.type) && !value.data.empty() && value.data.back() != '\0')
                        __builtin_trap(); // strings come with their terminating zero
    return 0;
}
