// The file and code-page helpers on the real system: the Linux backend natively, the
// Win32 one under Wine.
#include "RealSystem.h"
#include "platform/Files.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace platform;

class SystemFiles : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a1.log", "a2.log", "A3.LOG", "keep.txt", "respuesta.json",
                                 "locked.log", "almacén.log", "a1.log.old"})
            system.Write(name, "x");
        std::filesystem::permissions(system.folder / "locked.log",
                                     std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read);
        std::filesystem::create_directory(system.folder / "sub.log");
    }
    fixtures::RealSystem system;
    Os& os = system.os();
};

TEST_F(SystemFiles, DeleteFilesRemovesAFileOrEveryOrdinaryFileMatchingAStar) {
    EXPECT_TRUE(DeleteFiles(os, system.Path("respuesta.json")));
    EXPECT_FALSE(system.Exists("respuesta.json"));
    EXPECT_TRUE(DeleteFiles(os, system.Path("respuesta.json"))) << "nothing left to delete";

    EXPECT_TRUE(DeleteFiles(os, system.Path("a?.log"))) << "\"?\" without \"*\" deletes nothing";
    EXPECT_TRUE(system.Exists("a1.log"));

    EXPECT_TRUE(DeleteFiles(os, system.Path("*.log")));
    for (const char* gone : {"a1.log", "a2.log", "A3.LOG", "almacén.log"})
        EXPECT_FALSE(system.Exists(gone)) << gone;
    for (const char* kept : {"keep.txt", "locked.log", "sub.log", "a1.log.old"})
        EXPECT_TRUE(system.Exists(kept)) << kept;
    EXPECT_TRUE(DeleteFiles(os, system.Path("*.none")));

    EXPECT_FALSE(DeleteFiles(os, system.Path("locked.log"))) << "a read-only file stays";
    EXPECT_TRUE(system.Exists("locked.log"));
    EXPECT_TRUE(DeleteFiles(os, system.Path("sub.log"))) << "a folder is no file";
    for (const char* refused : {"locked.log", "sub.log", "missing.txt"})
        EXPECT_FALSE(os.DeleteFile(system.Path(refused))) << refused;
    EXPECT_TRUE(system.Exists("sub.log"));
}

TEST_F(SystemFiles, OrdinaryFilesAreSeenListedAndReadWhole) {
    EXPECT_TRUE(CheckFileExists(os, system.Path("keep.txt")));
    EXPECT_FALSE(CheckFileExists(os, system.Path("sub.log")));
    EXPECT_FALSE(CheckFileExists(os, system.Path("missing.txt")));
    EXPECT_FALSE(CheckFileExists(os, system.Path("*.txt")));

    std::vector<std::u16string> listed = os.ListFiles(system.Path("a?.log"));
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::u16string>{system.Path("A3.LOG"), system.Path("a1.log"),
                                                   system.Path("a2.log")}))
        << "names match without regard to case";

    system.Write("utf8.json", "{\"n\":\"Almac\xC3\xA9n\"}\r\n");
    system.Write("ansi.txt", "Almac\xE9n \x80");
    system.Write("bom.json", "\xEF\xBB\xBF{}");
    system.Write("zero.bin", std::string("a\0b", 3));
    system.Write("empty.txt", "");
    // One stray byte in a UTF-8 reply spoils that byte only; as many stray bytes as
    // UTF-8 sequences make it an ANSI text.
    system.Write("stray.json", "{\"S\":\"\xFF\",\"n\":\"Almac\xC3\xA9n \xC3\xB1\"}");
    system.Write("tie.txt", "\xC3\xA9 \xE9");
    EXPECT_EQ(ReadWholeFile(os, system.Path("stray.json")),
              u"{\"S\":\"\uFFFD\",\"n\":\"Almacén ñ\"}");
    EXPECT_EQ(ReadWholeFile(os, system.Path("tie.txt")), u"Ã© é");
    EXPECT_EQ(ReadWholeFile(os, system.Path("utf8.json")), u"{\"n\":\"Almacén\"}\r\n");
    EXPECT_EQ(ReadWholeFile(os, system.Path("ansi.txt")), u"Almacén €");
    EXPECT_EQ(ReadWholeFile(os, system.Path("bom.json")), u"{}");
    EXPECT_EQ(ReadWholeFile(os, system.Path("zero.bin")), std::u16string(u"a\0b", 3));
    EXPECT_EQ(ReadWholeFile(os, system.Path("empty.txt")), u"");
    EXPECT_EQ(ReadWholeFile(os, system.Path("missing.txt")), u"");
    EXPECT_EQ(ReadWholeFile(os, system.Path("sub.log")), u"");
}

TEST_F(SystemFiles, CodePage1252IsTheAnsiCodePageAndCarriesUtf8Bytes) {
    EXPECT_EQ(os.WideCharToMultiByte(CodePageAnsi, u"Almacén €"), "Almac\xE9n \x80");
    EXPECT_EQ(os.MultiByteToWideChar(CodePageAnsi, "\xC3\xA9"), u"\u00C3\u00A9");
    EXPECT_EQ(os.WideCharToMultiByte(CodePageUtf8, u"Almacén €"), "Almac\xC3\xA9n \xE2\x82\xAC");
    EXPECT_EQ(os.MultiByteToWideChar(CodePageUtf8, "Almac\xC3\xA9n"), u"Almacén");
}

} // namespace
