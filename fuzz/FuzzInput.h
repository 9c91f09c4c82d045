#pragma once

#include "text/Encoding.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The fuzzer's bytes as text. An input starting with a zero byte is taken as raw UTF-16
// code units (little-endian), so that unpaired surrogates and any other unit reach the
// reader; any other input is UTF-8.
inline std::u16string FuzzText(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 0) {
        std::u16string units;
        for (size_t i = 1; i + 1 < size; i += 2)
            units.push_back(char16_t(data[i] | (data[i + 1] << 8)));
        return units;
    }
    return text::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
}
