#include "platform/Files.h"

#include "text/Encoding.h"

#include <optional>
#include <string>

namespace platform {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsPattern(std::u16string_view path) {
    return path.find(u'*') != std::u16string_view::npos;
}

// Deletes what it can; every matching file that stays is left for the caller to see.
void DeleteMatchingFiles(Os& os, std::u16string_view pattern) {
    for (const std::u16string& file : os.ListFiles(pattern))
        os.DeleteFile(file);
}

} // namespace

bool CheckFileExists(Os& os, std::u16string_view path) {
    try {
        return !IsPattern(path) && os.FileExists(path);
    } catch (...) {
        return false;
    }
}

bool DeleteFiles(Os& os, std::u16string_view path) {
    try {
        if (IsPattern(path))
            DeleteMatchingFiles(os, path);
        else if (CheckFileExists(os, path))
            os.DeleteFile(path);
        return !CheckFileExists(os, path);
    } catch (...) {
        return false;
    }
}

std::u16string ReadWholeFile(Os& os, std::u16string_view path) {
    try {
        std::optional<std::string> bytes = os.ReadFileBytes(path);
        if (!bytes || bytes->empty())
            return {};
        std::string_view content = *bytes;
        // One stray byte must not turn every accent of a UTF-8 text into two letters; a
        // text in the ANSI code page has few byte runs that happen to be valid UTF-8.
        const text::Utf8Census census = text::CountUtf8(content);
        if (census.multiByteSequences <= census.invalidBytes)
            return os.MultiByteToWideChar(CodePageAnsi, content);
        if (content.starts_with(Utf8ByteOrderMark))
            content.remove_prefix(Utf8ByteOrderMark.size());
        return text::Utf8ToUtf16(content);
    } catch (...) {
        return {};
    }
}

} // namespace platform
