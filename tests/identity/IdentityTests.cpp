#include "FakeOs.h"
#include "Raised.h"
#include "identity/ClientLibrary.h"
#include "identity/ConnectionAttributes.h"
#include "identity/ConnectionString.h"
#include "identity/Database.h"
#include "identity/DynamicLibrary.h"
#include "identity/IniSettings.h"
#include "identity/InstallationPaths.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace identity {
namespace {

struct WindowsInstallation {
    fixtures::FakeOs os;
    fixtures::FakeDialogs dialogs;
    fixtures::FakeEventPump events;
    session::SessionState session;
    session::Context context{os, dialogs, events, session, {u"C:\\Velmorn3", u'\\', {}, {}}};
};

TEST(InstallationPaths, AreTheFixedWindowsPlaces) {
    WindowsInstallation windows;
    EXPECT_EQ(InstallDir(windows.context), u"C:\\Velmorn3");
    EXPECT_EQ(IniFilePath(windows.context), u"C:\\Velmorn3\\Velmorn3.ini");
    EXPECT_EQ(DatabaseFilePath(windows.context), u"C:\\Velmorn3\\DATOS\\EMP1\\velmorn3.fdb");

    windows.context.config = {u"/opt/velmorn3", u'/', {}, {}};
    EXPECT_EQ(IniFilePath(windows.context), u"/opt/velmorn3/Velmorn3.ini");
    EXPECT_EQ(DatabaseFilePath(windows.context), u"/opt/velmorn3/DATOS/EMP1/velmorn3.fdb");
}

TEST(IniSettings, AValueIsReadAsFarAsTheReadersBufferHoldsIt) {
    fixtures::FakeOs os;
    os.SetIniValue(u"V.ini", u"INICIO", u"LARGO", std::u16string(40000, u'x'));
    EXPECT_EQ(ReadIniString(os, u"V.ini", u"INICIO", u"LARGO").size(), 31999u);
}

TEST(ConnectionString, DescribesTheInstallationDatabase) {
    WindowsInstallation windows;
    EXPECT_EQ(BuildConnectionString(windows.context, u"LOCALHOST"),
              u"Driver=Firebird/InterBase(r) driver;database=LOCALHOST:C:\\Velmorn3\\DATOS\\EMP1\\"
              u"velmorn3.fdb;user=SYSDBA;password=tovalquin;NOWAIT=1;dialect=3;auto_commit=true;"
              u"CHARSET=ISO8859_1;Client=C:\\Velmorn3\\Firebird\\Bin\\FbClient.dll;");

    ConnectionAttributes attributes =
        ParseConnectionString(BuildConnectionString(windows.context, u"SRV01"));
    EXPECT_EQ(attributes.database, u"SRV01:C:\\Velmorn3\\DATOS\\EMP1\\velmorn3.fdb");
    EXPECT_EQ(attributes.user, u"SYSDBA");
    EXPECT_EQ(attributes.password, u"tovalquin");
    EXPECT_TRUE(attributes.noWait);
    EXPECT_EQ(attributes.dialect, 3);
    EXPECT_TRUE(attributes.autoCommit);
    EXPECT_EQ(attributes.characterSet, u"ISO8859_1");
    EXPECT_EQ(attributes.client, u"C:\\Velmorn3\\Firebird\\Bin\\FbClient.dll");

    ConnectionAttributes other = ParseConnectionString(u"DATABASE=h:/d.fdb;Password=a=b;nowait=0");
    EXPECT_EQ(other.database, u"h:/d.fdb");
    EXPECT_EQ(other.password, u"a=b");
    EXPECT_FALSE(other.noWait);
    EXPECT_FALSE(other.autoCommit);

    // Found by fuzzing: numbers beyond their type once raised, or cast out of range.
    ConnectionAttributes odd = ParseConnectionString(u"dialect=99999;NOWAIT=1D999;auto_commit=7");
    EXPECT_EQ(odd.dialect, 0);
    EXPECT_FALSE(odd.noWait);
    EXPECT_TRUE(odd.autoCommit);
    EXPECT_EQ(ParseConnectionString(u"dialect=-32768").dialect, -32768);
}

TEST(ClientLibrary, ReportsWhyALibraryCannotLoad) {
    fixtures::FakeOs os;
    os.realLibraries = true;
    // The system's own reason follows the library's name.
    const std::string reason =
        fixtures::Raised([&] { DynamicLibrary(os, u"/nonexistent/FbClient.dll"); });
    const std::string name = "/nonexistent/FbClient.dll: ";
    EXPECT_TRUE(reason.starts_with(name) && reason.size() > name.size()) << reason;
#ifndef _WIN32
    EXPECT_NO_THROW(LoadClientLibrary(os, u"/nonexistent/FbClient.dll"))
        << "an installation without its own client uses the system's";
#endif
}

} // namespace
} // namespace identity
