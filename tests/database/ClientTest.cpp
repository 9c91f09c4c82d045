#include "Raised.h"
#include "RealSystem.h"
#include "database/ClientLibrary.h"
#include "database/ConnectionAttributes.h"
#include "database/DynamicLibrary.h"

#include <gtest/gtest.h>

namespace database {
namespace {

TEST(ConnectionAttributes, AreReadFromAnyConnectionString) {
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
    fixtures::RealSystem system;
    platform::Os& os = system.os();
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
} // namespace database
