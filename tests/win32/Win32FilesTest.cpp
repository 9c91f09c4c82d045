#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using platform::win32::Win32Os;

const std::string Folder = "C:\\AsistenciaFilesTest";
const std::u16string Folder16 = u"C:\\AsistenciaFilesTest";

void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(Folder + "\\" + name, std::ios::binary) << bytes;
}

class Win32Files : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA(Folder.c_str(), nullptr);
        CreateDirectoryA((Folder + "\\sub.txt").c_str(), nullptr);
        WriteFile("respuesta.txt", std::string("Almac\xC3\xA9n\r\n\0fin", 14));
        WriteFile("otra.txt", "");
        WriteFile("oculta.txt", "x");
        SetFileAttributesA((Folder + "\\oculta.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
        WriteFile("datos.log", "x");
    }
    Win32Os os;
};

TEST_F(Win32Files, TellsOrdinaryFilesFromFoldersAndReadsThemWhole) {
    EXPECT_TRUE(os.FileExists(Folder16 + u"\\respuesta.txt"));
    EXPECT_FALSE(os.FileExists(Folder16 + u"\\sub.txt"));
    EXPECT_FALSE(os.FileExists(Folder16 + u"\\nada.txt"));
    EXPECT_FALSE(os.FileExists(Folder16 + u"\\*.txt"));

    EXPECT_EQ(os.ReadFileBytes(Folder16 + u"\\respuesta.txt"),
              std::string("Almac\xC3\xA9n\r\n\0fin", 14));
    EXPECT_EQ(os.ReadFileBytes(Folder16 + u"\\otra.txt"), std::string());
    EXPECT_EQ(os.ReadFileBytes(Folder16 + u"\\nada.txt"), std::nullopt);
}

TEST_F(Win32Files, AFileLockedByAnotherProgramCannotBeRead) {
    HANDLE locked = CreateFileA((Folder + "\\otra.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(os.ReadFileBytes(Folder16 + u"\\otra.txt"), std::nullopt);
    CloseHandle(locked);
}

TEST_F(Win32Files, ListsOnlyOrdinaryFilesMatchingThePattern) {
    std::vector<std::u16string> listed = os.ListFiles(Folder16 + u"\\*.txt");
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::u16string>{Folder16 + u"\\otra.txt",
                                                   Folder16 + u"\\respuesta.txt"}));
    EXPECT_EQ(os.ListFiles(Folder16 + u"\\dat?s.log"),
              std::vector<std::u16string>{Folder16 + u"\\datos.log"});
    EXPECT_TRUE(os.ListFiles(Folder16 + u"\\*.pdf").empty());
}

TEST_F(Win32Files, DeletesAFileButNotAFolder) {
    EXPECT_TRUE(os.DeleteFile(Folder16 + u"\\datos.log"));
    EXPECT_FALSE(os.FileExists(Folder16 + u"\\datos.log"));
    EXPECT_FALSE(os.DeleteFile(Folder16 + u"\\datos.log"));
    EXPECT_FALSE(os.DeleteFile(Folder16 + u"\\sub.txt"));
}

} // namespace
