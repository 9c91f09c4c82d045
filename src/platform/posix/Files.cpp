#include "platform/posix/Files.h"

#include "platform/Wildcard.h"
#include "text/Encoding.h"
#include "text/Text.h"

#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::posix {

namespace {

std::string PathBytes(std::u16string_view path) {
    return text::Utf16ToUtf8(path);
}

bool IsWildcard(std::u16string_view path) {
    return path.find_first_of(u"*?") != std::u16string_view::npos;
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

bool IsOrdinaryFile(std::u16string_view path) {
    return !IsWildcard(path) && IsRegularFile(PathBytes(path));
}

bool DeleteOrdinaryFile(std::u16string_view path) {
    std::string bytes = PathBytes(path);
    struct stat info;
    if (lstat(bytes.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || !(info.st_mode & S_IWUSR))
        return false;
    return unlink(bytes.c_str()) == 0;
}

std::optional<std::string> ReadFileBytes(std::u16string_view path) {
    std::string bytes = PathBytes(path);
    if (!IsRegularFile(bytes))
        return std::nullopt;
    std::ifstream file(bytes, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return content.str();
}

std::vector<std::u16string> ListMatchingFiles(std::u16string_view pattern) {
    size_t cut = pattern.rfind(u'/');
    std::u16string folder(cut == std::u16string_view::npos ? u"" : pattern.substr(0, cut + 1));
    std::u16string namePattern = text::ToLower(pattern.substr(folder.size()));
    if (namePattern == u"*.*")
        namePattern.resize(1); // "*": written so to spare GCC 12 a false -Wrestrict at -O2
    std::vector<std::u16string> found;
    DIR* listing = opendir(folder.empty() ? "." : PathBytes(folder).c_str());
    if (!listing)
        return found;
    while (const dirent* entry = readdir(listing)) {
        std::u16string name = text::Utf8ToUtf16(entry->d_name);
        if (name.starts_with(u".") || !MatchesWildcard(namePattern, text::ToLower(name)))
            continue;
        if (IsRegularFile(PathBytes(folder + name)))
            found.push_back(folder + name);
    }
    closedir(listing);
    return found;
}

} // namespace platform::posix
