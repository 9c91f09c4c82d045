#include "platform/posix/ProfileFile.h"

#include "text/Encoding.h"
#include "text/Text.h"

#include <fstream>
#include <sstream>

namespace platform::posix {

namespace {

std::u16string_view TrimBlanks(std::u16string_view s) {
    auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::u16string_view WithoutQuotes(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The name of a "[section]" line, or nothing for other lines.
std::optional<std::u16string_view> SectionName(std::u16string_view line) {
    if (!line.starts_with(u"["))
        return std::nullopt;
    size_t close = line.find(u']');
    return TrimBlanks(
        line.substr(1, (close == std::u16string_view::npos ? line.size() : close) - 1));
}

} // namespace

std::optional<std::u16string> FindProfileString(std::u16string_view content,
                                                std::u16string_view section,
                                                std::u16string_view key) {
    std::u16string_view wantedSection = TrimBlanks(section);
    std::u16string_view wantedKey = TrimBlanks(key);
    bool inSection = false;
    while (!content.empty()) {
        size_t end = std::min(content.find(u'\n'), content.size());
        std::u16string_view line = TrimBlanks(content.substr(0, end));
        content.remove_prefix(std::min(end + 1, content.size()));
        if (auto name = SectionName(line)) {
            if (inSection)
                return std::nullopt; // a later section of the same name is never searched
            inSection = text::EqualsIgnoreCase(*name, wantedSection);
            continue;
        }
        size_t equals = line.find(u'=');
        if (!inSection || line.starts_with(u";") || equals == std::u16string_view::npos)
            continue;
        if (text::EqualsIgnoreCase(TrimBlanks(line.substr(0, equals)), wantedKey))
            return std::u16string(WithoutQuotes(TrimBlanks(line.substr(equals + 1))));
    }
    return std::nullopt;
}

std::u16string DecodeProfile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return text::Utf16LeToUtf16(bytes.substr(2));
    return text::Cp1252ToUtf16(bytes);
}

std::u16string ReadProfileString(const std::string& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 uint32_t bufferSize) {
    std::ifstream file(path, std::ios::binary);
    std::optional<std::u16string> value;
    if (file) {
        std::ostringstream bytes;
        bytes << file.rdbuf();
        value = FindProfileString(DecodeProfile(bytes.str()), section, key);
    }
    // The 8-bit call gives the value in the ANSI code page, whatever the file held.
    if (value)
        value = text::Cp1252ToUtf16(text::Utf16ToCp1252(*value));
    std::u16string result = value ? std::move(*value) : std::u16string(defaultValue);
    return result.substr(0, bufferSize ? bufferSize - 1 : 0);
}

} // namespace platform::posix
