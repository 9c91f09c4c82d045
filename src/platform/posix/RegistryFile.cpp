#include "platform/posix/RegistryFile.h"

#include "text/Encoding.h"
#include "text/Text.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace platform::posix {

namespace {

constexpr std::u16string_view Version4Header = u"REGEDIT4";
constexpr std::u16string_view Version5Header = u"Windows Registry Editor Version 5.00";

std::u16string DecodeFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return text::Utf16LeToUtf16(bytes.substr(2));
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return text::IsValidUtf8(bytes) ? text::Utf8ToUtf16(bytes) : text::Cp1252ToUtf16(bytes);
}

std::u16string_view TrimBlanks(std::u16string_view s) {
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<RegistryKey> RootKey(std::u16string_view name) {
    // Full names only: regedit cannot open "HKCU\..." and the like.
    static const std::pair<std::u16string_view, RegistryKey> roots[] = {
        {u"hkey_classes_root", 0x80000000},
        {u"hkey_current_user", 0x80000001},
        {u"hkey_local_machine", 0x80000002},
        {u"hkey_users", 0x80000003},
        {u"hkey_current_config", 0x80000005}};
    for (const auto& [rootName, key] : roots)
        if (text::EqualsIgnoreCase(name, rootName))
            return key;
    return std::nullopt;
}

std::u16string NormalPath(std::u16string_view path) {
    while (!path.empty() && path.front() == u'\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == u'\\')
        path.remove_suffix(1);
    return text::ToLower(path);
}

// A quoted text at the start of s, with regedit's \\ and \" escapes; s moves past it.
std::optional<std::u16string> TakeQuoted(std::u16string_view& s) {
    if (s.empty() || s.front() != u'"')
        return std::nullopt;
    std::u16string result;
    for (size_t at = 1; at < s.size(); ++at) {
        if (s[at] == u'\\' && at + 1 < s.size() && (s[at + 1] == u'\\' || s[at + 1] == u'"')) {
            result += s[++at];
        } else if (s[at] == u'"') {
            s.remove_prefix(at + 1);
            return result;
        } else {
            result += s[at];
        }
    }
    return std::nullopt;
}

std::optional<uint32_t> HexNumber(std::u16string_view digits) {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    for (char16_t c : digits) {
        const int digit = text::HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | uint32_t(digit);
    }
    return value;
}

// regedit's dword: the digits may have blanks around them and a comment after them, and
// no digits before a comment read as 0.
std::optional<uint32_t> DwordNumber(std::u16string_view data) {
    size_t comment = data.find(u';');
    std::u16string_view digits = TrimBlanks(data.substr(0, std::min(comment, data.size())));
    if (digits.empty() && comment != std::u16string_view::npos)
        return 0;
    return HexNumber(digits);
}

std::optional<std::string> HexBytes(std::u16string_view list) {
    std::string bytes;
    while (!(list = TrimBlanks(list)).empty()) {
        size_t comma = std::min(list.find(u','), list.size());
        std::optional<uint32_t> byte = HexNumber(TrimBlanks(list.substr(0, comma)));
        if (!byte || *byte > 0xFF)
            return std::nullopt;
        bytes += char(*byte);
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return bytes;
}

bool IsStringType(uint32_t type) {
    return type == RegistryTypeString || type == RegistryTypeExpandString || type == 7;
}

// A string written as bytes: UTF-16LE in version 5, ANSI in REGEDIT4. The 8-bit call gives
// it in the ANSI code page, and regedit ends an unterminated one with a zero.
std::string StringBytes(const std::string& bytes, bool version5) {
    std::string ansi = version5 ? text::Utf16ToCp1252(text::Utf16LeToUtf16(bytes)) : bytes;
    if (!ansi.empty() && ansi.back() != '\0')
        ansi += '\0';
    return ansi;
}

std::optional<RegistryValue> ParseData(std::u16string_view data, bool version5) {
    if (data.starts_with(u"\""))
        if (auto textValue = TakeQuoted(data))
            return RegistryValue{RegistryTypeString, text::Utf16ToCp1252(*textValue) + '\0'};
    if (data.starts_with(u"dword:"))
        if (auto number = DwordNumber(data.substr(6)))
            return RegistryValue{RegistryTypeDword, text::LittleEndianBytes(*number)};
    if (data.starts_with(u"hex:"))
        if (auto bytes = HexBytes(data.substr(4)))
            return RegistryValue{RegistryTypeBinary, *bytes};
    size_t close = data.find(u"):");
    if (data.starts_with(u"hex(") && close != std::u16string_view::npos) {
        auto type = HexNumber(data.substr(4, close - 4));
        auto bytes = HexBytes(data.substr(close + 2));
        if (!type || !bytes)
            return std::nullopt;
        return RegistryValue{*type, IsStringType(*type) ? StringBytes(*bytes, version5) : *bytes};
    }
    return std::nullopt;
}

// `"name"=data` or `@=data`: the lower-case name and the data.
std::optional<std::pair<std::u16string, std::u16string_view>>
SplitValueLine(std::u16string_view line) {
    std::u16string name;
    if (line.starts_with(u"@")) {
        line.remove_prefix(1);
    } else if (auto quoted = TakeQuoted(line)) {
        name = text::ToLower(*quoted);
    } else {
        return std::nullopt;
    }
    line = TrimBlanks(line);
    if (!line.starts_with(u"="))
        return std::nullopt;
    return std::pair{name, TrimBlanks(line.substr(1))};
}

// Only hex data goes on over the next line, when a line ends with a backslash.
bool ContinuesOnNextLine(std::u16string_view line) {
    auto value = SplitValueLine(line);
    return line.ends_with(u"\\") && value && value->second.starts_with(u"hex");
}

// The first line of content, which moves past it. Like regedit, a lone carriage return ends
// a line too, so files with old Mac line ends or mixed ones read whole.
std::u16string_view TakeLine(std::u16string_view& content) {
    size_t end = size_t(std::find_if(content.begin(), content.end(),
                                     [](char16_t c) { return c == u'\r' || c == u'\n'; }) -
                        content.begin());
    std::u16string_view line = content.substr(0, end);
    content.remove_prefix(
        std::min(content.substr(end).starts_with(u"\r\n") ? end + 2 : end + 1, content.size()));
    return line;
}

// Lines with the continuations of hex data joined; blank and comment lines inside such
// data are passed over, as regedit does.
std::vector<std::u16string> LogicalLines(std::u16string_view content) {
    std::vector<std::u16string> lines;
    bool continues = false;
    while (!content.empty()) {
        std::u16string_view line = TrimBlanks(TakeLine(content));
        if (continues && (line.empty() || line.starts_with(u";")))
            continue;
        if (continues) {
            lines.back() += line;
            continues = line.ends_with(u"\\");
        } else {
            lines.emplace_back(line);
            continues = ContinuesOnNextLine(line);
        }
        if (continues)
            lines.back().pop_back();
    }
    return lines;
}

// True when the key is the path itself or lies under it.
bool IsWithin(const std::pair<RegistryKey, std::u16string>& key,
              const std::pair<RegistryKey, std::u16string>& path) {
    return key.first == path.first && key.second.starts_with(path.second) &&
           (key.second.size() == path.second.size() || key.second[path.second.size()] == u'\\');
}

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return std::move(bytes).str();
}

} // namespace

void RegistryFile::AddKey(const KeyPath& path) {
    for (size_t at = 0; (at = path.second.find(u'\\', at)) != std::u16string::npos; ++at)
        keys[{path.first, path.second.substr(0, at)}];
    keys[{path.first, u""}];
    keys[path];
}

RegistryFile RegistryFile::Parse(std::string_view fileBytes) {
    RegistryFile registry;
    std::vector<std::u16string> lines = LogicalLines(DecodeFile(fileBytes));
    auto header = std::find_if(lines.begin(), lines.end(),
                               [](const std::u16string& line) { return !line.empty(); });
    if (header == lines.end() || (*header != Version4Header && *header != Version5Header))
        return registry;
    bool version5 = *header == Version5Header;
    std::optional<KeyPath> current;
    for (auto line = header + 1; line != lines.end(); ++line) {
        // regedit ends a key name at the last "]" and passes over what follows, a comment
        // for instance. A name that starts with a blank is no key line, and the values
        // after it stay in the current key.
        size_t close = line->starts_with(u"[") ? line->rfind(u']') : std::u16string::npos;
        if (close != std::u16string::npos) {
            std::u16string_view name = std::u16string_view(*line).substr(1, close - 1);
            if (!name.starts_with(u" ") && !name.starts_with(u"\t"))
                current = registry.ApplyKeyLine(name);
        } else if (current) {
            registry.ApplyValueLine(*current, *line, version5);
        }
    }
    return registry;
}

// "[KEY]" makes the key and its parents and values follow into it; "[-KEY]" deletes the
// key with everything under it, and values that follow go nowhere.
std::optional<RegistryFile::KeyPath> RegistryFile::ApplyKeyLine(std::u16string_view name) {
    bool deletion = name.starts_with(u"-");
    if (deletion)
        name.remove_prefix(1);
    size_t cut = std::min(name.find(u'\\'), name.size());
    std::optional<RegistryKey> root = RootKey(name.substr(0, cut));
    if (!root)
        return std::nullopt;
    KeyPath path{*root, NormalPath(name.substr(cut))};
    if (deletion) {
        if (!path.second.empty()) // a root stays
            std::erase_if(keys, [&](const auto& key) { return IsWithin(key.first, path); });
        return std::nullopt;
    }
    AddKey(path);
    return path;
}

// `"name"=data` sets the value, `"name"=-` deletes it; a line regedit would reject is
// passed over.
void RegistryFile::ApplyValueLine(const KeyPath& key, std::u16string_view line, bool version5) {
    auto value = SplitValueLine(line);
    if (!value)
        return;
    if (value->second == u"-") {
        keys[key].erase(value->first);
    } else if (auto data = ParseData(value->second, version5)) {
        keys[key][value->first] = *data;
    }
}

long QueryValue(const RegistryValues& values, std::u16string_view name, uint32_t& type,
                std::string* data, uint32_t& size) {
    auto value = values.find(text::ToLower(name));
    if (value == values.end())
        return RegistryFileNotFound;
    type = value->second.type;
    uint32_t stored = uint32_t(value->second.data.size());
    if (data && size < stored) {
        size = stored;
        return RegistryMoreData;
    }
    if (data)
        *data = value->second.data;
    size = stored;
    return RegistrySuccess;
}

const RegistryFile& RegistryFileCache::Get(const std::string& file) {
    std::optional<std::string> content = ReadWhole(file);
    if (file != path || content != bytes) {
        registry = content ? RegistryFile::Parse(*content) : RegistryFile{};
        path = file;
        bytes = std::move(content);
    }
    return registry;
}

const RegistryValues* RegistryFile::Find(RegistryKey root, std::u16string_view subKey) const {
    auto it = keys.find({root, NormalPath(subKey)});
    return it == keys.end() ? nullptr : &it->second;
}

} // namespace platform::posix
