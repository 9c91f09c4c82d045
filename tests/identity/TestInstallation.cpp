#include "TestInstallation.h"

#include "identity/InstallationPaths.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"

#include <cstdlib>

namespace identity::testing {

TestInstallation::TestInstallation()
    : ScratchFolder(fixtures::ServerReachable / "tests", true),
      os(platform::CreateSystemOs(text::Utf8ToUtf16(folder.string()))),
      context{*os, dialogs, events, session, {text::Utf8ToUtf16(folder.string()), u'/', {}, {}}} {}

bool TestInstallation::MakeShopDatabase(const std::string& extraSql,
                                        const std::string& characterSet) {
    Write("extra.sql", extraSql + "\n");
    std::string command = std::string(ASR_FIREBIRD_TOOLS "/make-db.sh --charset ") + characterSet +
                          " '" + text::Utf16ToUtf8(DatabaseFilePath(context)) +
                          "' '" ASR_IDENTITY_FIXTURES "/shop.sql' '" +
                          (folder / "extra.sql").string() + "'";
    return std::system(command.c_str()) == 0;
}

void TestInstallation::SetServer(const std::string& server) {
    Write(text::Utf16ToUtf8(IniFilePath(context)), "[INICIO]\r\nSERVIDOR=" + server + "\r\n");
}

void TestInstallation::BreakClientLibrary() {
    Write(text::Utf16ToUtf8(ClientLibraryPath(context)), "This is no library.\n");
}

} // namespace identity::testing
