#include "database/ClientLibrary.h"
#include "platform/win32/Win32Os.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using platform::win32::Win32Os;

// The stand-in client lies in a folder of its own with the runtime library it needs:
// neither the program's folder nor the current one.
TEST(ClientLibraryOnWindows, FindsTheLibrariesInstalledBesideIt) {
    Win32Os os;
    const std::u16string folder = os.ProgramFolder() + u"\\Firebird\\Bin\\";
    const database::ClientLibrary& client =
        database::LoadClientLibrary(os, folder + u"FbClient.dll");
    // The stand-in's entry points take no arguments.
    auto* entry = reinterpret_cast<void*>(client.attachDatabase);
    EXPECT_EQ(reinterpret_cast<int (*)()>(entry)(), 42);

    EXPECT_THROW(database::LoadClientLibrary(os, folder + u"FbRuntime.dll"), std::runtime_error)
        << "a library without the client's functions";
}

} // namespace
