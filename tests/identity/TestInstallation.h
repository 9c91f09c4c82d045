#pragma once

#include "FakeOs.h"
#include "ScratchFolder.h"
#include "session/Context.h"

#include <memory>
#include <string>

namespace identity::testing {

// A Velmorn installation in a fresh folder that the Firebird server can write, on the real
// system (its ini file is a real file), with scripted dialogs around it.
class TestInstallation : public fixtures::ScratchFolder {
public:
    TestInstallation();

    // Builds the installation's database on the local server from the shop fixture, in that
    // default character set, then runs the extra SQL (UTF-8) on it. False when the database
    // could not be built.
    [[nodiscard]] bool MakeShopDatabase(const std::string& extraSql = "",
                                        const std::string& characterSet = "ISO8859_1");
    void SetServer(const std::string& server);
    // Puts a file that is no library where the installation's client library belongs.
    void BreakClientLibrary();

    std::unique_ptr<platform::Os> os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context;
};

} // namespace identity::testing
