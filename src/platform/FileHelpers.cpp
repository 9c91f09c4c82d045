#include "platform/FileHelpers.h"

#include "platform/ProcessRunner.h"
#include "text/Encoding.h"

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

std::string EncodeUtf8(Os& os, std::u16string_view text) {
    return os.WideCharToMultiByte(CodePageUtf8, text);
}

std::u16string Utf8ByteText(Os& os, std::u16string_view text) {
    std::u16string result;
    for (char byte : EncodeUtf8(os, text))
        result += os.MultiByteToWideChar(CodePageAnsi, std::string_view(&byte, 1));
    return result;
}

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

void ShellOpen(Os& os, std::u16string_view target, std::u16string_view installDir,
               char16_t pathSeparator) {
    os.ShellExecute(u"Open", target, u"", std::u16string(installDir) + pathSeparator,
                    WindowStyle::Normal);
}

void ShowOnScreenKeyboard(Os& os, const std::function<void()>& giveFocus) {
    if (giveFocus)
        giveFocus();
    if (IsWow64(os)) {
        // osk.exe is a 64-bit program, out of a 32-bit process's sight while redirected.
        os.Wow64EnableFsRedirection(false);
        os.ShellExecute(u"open", u"osk.exe", u"", os.ProgramFolder(), WindowStyle::Normal);
        os.Wow64EnableFsRedirection(true);
    } else {
        StartProgram(os, u"Osk.exe", WindowStyle::Normal);
    }
}

} // namespace platform
