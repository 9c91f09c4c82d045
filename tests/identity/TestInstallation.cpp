#include "TestInstallation.h"

#include "identity/InstallationPaths.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace identity::testing {

namespace {

std::filesystem::path FreshFolder() {
    static std::atomic<int> count = 0;
    std::filesystem::path folder = std::filesystem::path("/var/tmp/asr-firebird/tests") /
                                   (std::to_string(getpid()) + "-" + std::to_string(++count));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (auto path = folder; path != "/var/tmp"; path = path.parent_path())
        std::filesystem::permissions(path, std::filesystem::perms::all);
    return folder;
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

} // namespace

TestInstallation::TestInstallation()
    : folder(FreshFolder()), os(platform::CreateSystemOs(text::Utf8ToUtf16(folder.string()))),
      context{*os, dialogs, events, session, {text::Utf8ToUtf16(folder.string()), u'/', {}, {}}} {}

TestInstallation::~TestInstallation() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

bool TestInstallation::MakeShopDatabase(const std::string& extraSql,
                                        const std::string& characterSet) {
    std::filesystem::path extra = folder / "extra.sql";
    WriteFile(extra, extraSql + "\n");
    std::string command = std::string(ASR_FIREBIRD_TOOLS "/make-db.sh --charset ") + characterSet +
                          " '" + text::Utf16ToUtf8(DatabaseFilePath(context)) +
                          "' '" ASR_IDENTITY_FIXTURES "/shop.sql' '" + extra.string() + "'";
    return std::system(command.c_str()) == 0;
}

void TestInstallation::SetServer(const std::string& server) {
    WriteFile(text::Utf16ToUtf8(IniFilePath(context)), "[INICIO]\r\nSERVIDOR=" + server + "\r\n");
}

void TestInstallation::BreakClientLibrary() {
    WriteFile(text::Utf16ToUtf8(ClientLibraryPath(context)), "This is no library.\n");
}

} // namespace identity::testing
