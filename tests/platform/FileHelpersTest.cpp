#include "platform/FileHelpers.h"

#include "FakeOs.h"

#include <gtest/gtest.h>

namespace {

using fixtures::FakeOs;
using namespace platform;

TEST(Utf8ByteText, GivesOneAnsiCharacterPerUtf8Byte) {
    FakeOs os;
    EXPECT_EQ(EncodeUtf8(os, u"Almacén"), "Almac\xC3\xA9n");
    std::u16string text = Utf8ByteText(os, u"Almacén");
    ASSERT_EQ(text.size(), 8u);
    EXPECT_EQ(text, u"Almac\u00C3\u00A9n");
    EXPECT_EQ(Utf8ByteText(os, u"GETAVISOS {'a':1}"), u"GETAVISOS {'a':1}");
    EXPECT_EQ(Utf8ByteText(os, u"€"), u"\u00E2\u201A\u00AC"); // E2 82 AC in code page 1252
    EXPECT_EQ(Utf8ByteText(os, u""), u"");
}

TEST(ReadWholeFile, DecodesUtf8OrAnsiAndGivesEmptyTextOnFailure) {
    FakeOs os;
    os.SetFile(u"C:\\w\\utf8.json", "{\"n\":\"Almac\xC3\xA9n\"}\r\n");
    os.SetFile(u"C:\\w\\ansi.txt", "Almac\xE9n");
    os.SetFile(u"C:\\w\\bom.json", "\xEF\xBB\xBF{}");
    os.SetFile(u"C:\\w\\empty.txt", "");
    EXPECT_EQ(ReadWholeFile(os, u"C:\\w\\utf8.json"), u"{\"n\":\"Almacén\"}\r\n");
    EXPECT_EQ(ReadWholeFile(os, u"C:\\w\\ansi.txt"), u"Almacén");
    EXPECT_EQ(ReadWholeFile(os, u"C:\\w\\bom.json"), u"{}");
    EXPECT_EQ(ReadWholeFile(os, u"C:\\w\\empty.txt"), u"");
    EXPECT_EQ(ReadWholeFile(os, u"C:\\w\\missing.txt"), u"");
}

TEST(CheckFileExists, IsTrueForOrdinaryFilesOnly) {
    FakeOs os;
    os.SetFile(u"C:\\w\\a.txt", "a");
    os.AddFolder(u"C:\\w\\sub");
    EXPECT_TRUE(CheckFileExists(os, u"C:\\w\\a.txt"));
    EXPECT_FALSE(CheckFileExists(os, u"C:\\w\\sub"));
    EXPECT_FALSE(CheckFileExists(os, u"C:\\w\\b.txt"));
    EXPECT_FALSE(CheckFileExists(os, u"C:\\w\\*.txt"));
}

TEST(DeleteFiles, DeletesAFileOrEveryFileMatchingAStar) {
    FakeOs os;
    os.SetFile(u"C:\\w\\respuesta.json", "{}");
    os.SetFile(u"C:\\w\\a1.log", "");
    os.SetFile(u"C:\\w\\a2.log", "");
    os.SetFile(u"C:\\w\\keep.txt", "");
    os.SetFile(u"C:\\w\\locked.log", "", true);

    EXPECT_TRUE(DeleteFiles(os, u"C:\\w\\respuesta.json"));
    EXPECT_FALSE(os.FileStored(u"C:\\w\\respuesta.json"));

    EXPECT_TRUE(DeleteFiles(os, u"C:\\w\\none.json"));
    EXPECT_TRUE(DeleteFiles(os, u"C:\\w\\a?.log")); // "?" alone is no pattern: nothing goes
    EXPECT_TRUE(os.FileStored(u"C:\\w\\a1.log"));

    EXPECT_TRUE(DeleteFiles(os, u"C:\\w\\*.log"));
    EXPECT_FALSE(os.FileStored(u"C:\\w\\a1.log"));
    EXPECT_FALSE(os.FileStored(u"C:\\w\\a2.log"));
    EXPECT_TRUE(os.FileStored(u"C:\\w\\locked.log"));
    EXPECT_TRUE(os.FileStored(u"C:\\w\\keep.txt"));
    EXPECT_TRUE(DeleteFiles(os, u"C:\\w\\*.none"));

    EXPECT_FALSE(DeleteFiles(os, u"C:\\w\\locked.log"));
    EXPECT_TRUE(os.FileStored(u"C:\\w\\locked.log"));
}

TEST(ShellOpen, OpensTheTargetInTheInstallationFolder) {
    FakeOs os;
    ShellOpen(os, u"https://www.example.com/manual/", u"C:\\Velmorn3");
    ASSERT_EQ(os.shellCalls.size(), 1u);
    EXPECT_EQ(os.shellCalls[0].verb, u"Open");
    EXPECT_EQ(os.shellCalls[0].target, u"https://www.example.com/manual/");
    EXPECT_EQ(os.shellCalls[0].parameters, u"");
    EXPECT_EQ(os.shellCalls[0].workingFolder, u"C:\\Velmorn3\\");
    EXPECT_EQ(os.shellCalls[0].style, WindowStyle::Normal);

    ShellOpen(os, u"/tmp/doc.pdf", u"/opt/velmorn3", u'/');
    EXPECT_EQ(os.shellCalls[1].workingFolder, u"/opt/velmorn3/");
}

TEST(ShowOnScreenKeyboard, FocusesTheControlThenStartsTheKeyboardEveryTime) {
    FakeOs os;
    os.wow64 = true;
    os.programFolder = u"C:\\Velmorn3";
    ShowOnScreenKeyboard(os, [&] { os.calls.push_back(u"focus"); });
    EXPECT_EQ(os.calls, (std::vector<std::u16string>{u"focus", u"Wow64EnableFsRedirection off",
                                                     u"ShellExecute osk.exe",
                                                     u"Wow64EnableFsRedirection on"}));
    ASSERT_EQ(os.shellCalls.size(), 1u);
    EXPECT_EQ(os.shellCalls[0].verb, u"open");
    EXPECT_EQ(os.shellCalls[0].parameters, u"");
    EXPECT_EQ(os.shellCalls[0].workingFolder, u"C:\\Velmorn3");
    EXPECT_EQ(os.shellCalls[0].style, WindowStyle::Normal);
    EXPECT_TRUE(os.fsRedirection);

    FakeOs bits32;
    bits32.wow64 = false;
    ShowOnScreenKeyboard(bits32);
    ShowOnScreenKeyboard(bits32);
    ASSERT_EQ(bits32.started.size(), 2u);
    EXPECT_EQ(bits32.started[1].commandLine, u"Osk.exe");
    EXPECT_EQ(bits32.started[1].style, WindowStyle::Normal);
    EXPECT_TRUE(bits32.shellCalls.empty());
}

} // namespace
