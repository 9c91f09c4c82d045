#include "TempFolder.h"
#include "platform/FileHelpers.h"
#include "platform/SystemOs.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using fixtures::TempFolder;
using namespace platform;

class RealFiles : public ::testing::Test {
protected:
    std::u16string Path(const std::string& name) const { return text::Utf8ToUtf16(folder / name); }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(folder.path / name);
    }

    TempFolder folder;
    std::unique_ptr<Os> os = CreateSystemOs(folder / "registry.reg", false);
};

TEST_F(RealFiles, DeleteFilesFollowsTheWindowsRules) {
    for (const char* name : {"a1.log", "a2.log", "A3.LOG", ".hidden.log", "keep.txt",
                             "respuesta.json", "locked.log", "almacén.log"})
        folder.Write(name, "x");
    chmod((folder / "locked.log").c_str(), 0444);
    std::filesystem::create_directory(folder.path / "sub.log");

    EXPECT_TRUE(DeleteFiles(*os, Path("respuesta.json")));
    EXPECT_FALSE(Exists("respuesta.json"));
    EXPECT_TRUE(DeleteFiles(*os, Path("respuesta.json"))); // nothing left to delete

    EXPECT_TRUE(DeleteFiles(*os, Path("a?.log"))); // "?" without "*" deletes nothing
    EXPECT_TRUE(Exists("a1.log"));

    EXPECT_TRUE(DeleteFiles(*os, Path("*.log")));
    for (const char* gone : {"a1.log", "a2.log", "A3.LOG", "almacén.log"})
        EXPECT_FALSE(Exists(gone)) << gone;
    for (const char* kept : {".hidden.log", "keep.txt", "locked.log", "sub.log"})
        EXPECT_TRUE(Exists(kept)) << kept;
    EXPECT_TRUE(DeleteFiles(*os, Path("*.none")));

    EXPECT_FALSE(DeleteFiles(*os, Path("locked.log")));
    EXPECT_TRUE(Exists("locked.log"));
    EXPECT_TRUE(DeleteFiles(*os, Path("sub.log")));
    EXPECT_TRUE(Exists("sub.log"));
}

TEST_F(RealFiles, CheckFileExistsSeesOrdinaryFilesOnly) {
    folder.Write("a.txt", "");
    std::filesystem::create_directory(folder.path / "sub");
    EXPECT_TRUE(CheckFileExists(*os, Path("a.txt")));
    EXPECT_FALSE(CheckFileExists(*os, Path("sub")));
    EXPECT_FALSE(CheckFileExists(*os, Path("b.txt")));
    EXPECT_FALSE(CheckFileExists(*os, Path("*.txt")));
}

TEST_F(RealFiles, ReadWholeFileDecodesUtf8OrAnsi) {
    folder.Write("utf8.json", "{\"n\":\"Almac\xC3\xA9n\"}\r\n");
    folder.Write("ansi.txt", "Almac\xE9n \x80");
    folder.Write("empty.txt", "");
    std::filesystem::create_directory(folder.path / "sub");
    EXPECT_EQ(ReadWholeFile(*os, Path("utf8.json")), u"{\"n\":\"Almacén\"}\r\n");
    EXPECT_EQ(ReadWholeFile(*os, Path("ansi.txt")), u"Almacén €");
    EXPECT_EQ(ReadWholeFile(*os, Path("empty.txt")), u"");
    EXPECT_EQ(ReadWholeFile(*os, Path("missing.txt")), u"");
    EXPECT_EQ(ReadWholeFile(*os, Path("sub")), u"");
}

TEST_F(RealFiles, CodePage1252IsTheAnsiCodePage) {
    EXPECT_EQ(os->WideCharToMultiByte(CodePageAnsi, u"Almacén €"), "Almac\xE9n \x80");
    EXPECT_EQ(os->MultiByteToWideChar(CodePageAnsi, "\xC3\xA9"), u"\u00C3\u00A9");
    EXPECT_EQ(os->WideCharToMultiByte(CodePageUtf8, u"é"), "\xC3\xA9");
    EXPECT_EQ(os->MultiByteToWideChar(CodePageUtf8, "\xC3\xA9"), u"é");
}

} // namespace
