#pragma once

#include "FakeOs.h"
#include "app/Context.h"

#include <filesystem>
#include <string>

namespace identity::testing {

// A Velmorn installation in a fresh folder that the Firebird server can write, with a
// scripted OS (for the ini file) and scripted dialogs around it.
class TestInstallation {
public:
    TestInstallation();
    ~TestInstallation();
    TestInstallation(const TestInstallation&) = delete;
    TestInstallation& operator=(const TestInstallation&) = delete;

    // Builds the installation's database on the local server from the shop fixture, then
    // runs the extra SQL (UTF-8) on it. False when the database could not be built.
    [[nodiscard]] bool MakeShopDatabase(const std::string& extraSql = "");
    void SetServer(std::u16string server);
    // Puts a file that is no library where the installation's client library belongs.
    void BreakClientLibrary();

    std::filesystem::path folder;
    fixtures::FakeOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    app::SessionState session;
    app::Context context;
};

} // namespace identity::testing
