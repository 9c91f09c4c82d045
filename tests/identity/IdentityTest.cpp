#include "FakeOs.h"
#include "identity/ConnectionString.h"
#include "identity/InstallationPaths.h"

#include <gtest/gtest.h>

namespace identity {
namespace {

TEST(InstallationPaths, AreTheFixedWindowsPlaces) {
    fixtures::Installation<> windows;
    EXPECT_EQ(InstallDir(windows.context), u"C:\\Velmorn3");
    EXPECT_EQ(IniFilePath(windows.context), u"C:\\Velmorn3\\Velmorn3.ini");
    EXPECT_EQ(DatabaseFilePath(windows.context), u"C:\\Velmorn3\\DATOS\\EMP1\\velmorn3.fdb");

    windows.context.config = {u"/opt/velmorn3", u'/', {}, {}};
    EXPECT_EQ(IniFilePath(windows.context), u"/opt/velmorn3/Velmorn3.ini");
    EXPECT_EQ(DatabaseFilePath(windows.context), u"/opt/velmorn3/DATOS/EMP1/velmorn3.fdb");
}

TEST(ConnectionString, DescribesTheInstallationDatabase) {
    fixtures::Installation<> windows;
    EXPECT_EQ(BuildConnectionString(windows.context, u"LOCALHOST"),
              u"Driver=Firebird/InterBase(r) driver;database=LOCALHOST:C:\\Velmorn3\\DATOS\\EMP1\\"
              u"velmorn3.fdb;user=SYSDBA;password=tovalquin;NOWAIT=1;dialect=3;auto_commit=true;"
              u"CHARSET=ISO8859_1;Client=C:\\Velmorn3\\Firebird\\Bin\\FbClient.dll;");
}

} // namespace
} // namespace identity
