// Whole-file reads and writes: a replacement is all or nothing, failures are quiet.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace {

using platform_test::TempFolder;

std::string Bytes(const char* text, size_t size) { return std::string(text, size); }

TEST(WholeFile, WritesAndReadsBackEveryByte) {
  const std::string contents[] = {
      "",
      "a1b22",
      "line\r\nnext\r\n",
      Bytes("nul\0inside\0", 11),
      "\xD6\xD0\xCE\xC4\x81",
      std::string(300000, '\xFF'),
  };
  TempFolder folder;
  std::string path = folder.File("source.dat");
  for (const std::string& content : contents) {
    ASSERT_TRUE(platform::WriteWholeFile(path, content));
    std::string back = "stale";
    ASSERT_TRUE(platform::ReadWholeFile(path, back));
    EXPECT_EQ(back, content) << content.size() << " bytes";
  }
}

TEST(WholeFile, ReplacingLeavesNoOtherFileBehind) {
  TempFolder folder;
  std::string path = folder.File("source.dat");
  ASSERT_TRUE(platform::WriteWholeFile(path, std::string(5000, 'a')));
  ASSERT_TRUE(platform::WriteWholeFile(path, "short"));
  EXPECT_EQ(folder.Listing(), "source.dat");
  std::string back;
  ASSERT_TRUE(platform::ReadWholeFile(path, back));
  EXPECT_EQ(back, "short");
}

TEST(WholeFile, MissingFileReadsAsFailureAndEmpty) {
  TempFolder folder;
  std::string back = "stale";
  EXPECT_FALSE(platform::ReadWholeFile(folder.File("absent.dat"), back));
  EXPECT_EQ(back, "");
  EXPECT_FALSE(platform::FileExists(folder.File("absent.dat")));
}

TEST(WholeFile, AFolderIsNotAFile) {
  TempFolder folder;
  std::string back;
  EXPECT_FALSE(platform::FileExists(folder.Path()));
  EXPECT_FALSE(platform::ReadWholeFile(folder.Path(), back));
  EXPECT_FALSE(platform::WriteWholeFile(folder.Path(), "x"));
}

TEST(WholeFile, AMissingFolderFailsAndIsNotCreated) {
  TempFolder folder;
  EXPECT_FALSE(platform::WriteWholeFile(folder.File("Data\\source.dat"), "x"));
  EXPECT_EQ(folder.Listing(), "");
}

TEST(WholeFile, AReadOnlyFileIsLeftAsItWas) {
  TempFolder folder;
  std::string path = folder.File("source.dat");
  ASSERT_TRUE(platform::WriteWholeFile(path, "before"));
  platform_test::SetReadOnly(path, true);
  EXPECT_FALSE(platform::WriteWholeFile(path, "after"));
  platform_test::SetReadOnly(path, false);
  std::string back;
  ASSERT_TRUE(platform::ReadWholeFile(path, back));
  EXPECT_EQ(back, "before");
  EXPECT_EQ(folder.Listing(), "source.dat");
}

TEST(WholeFile, HeadReadsAtMostTheGivenBytes) {
  struct Case {
    int maxBytes;
    const char* expected;
  } cases[] = {{0, ""}, {3, "C:\\"}, {255, "C:\\Tools\\SkinKit.dll\r\n"}};
  TempFolder folder;
  std::string path = folder.File("SkinKit.ini");
  ASSERT_TRUE(platform::WriteWholeFile(path, "C:\\Tools\\SkinKit.dll\r\n"));
  for (const Case& c : cases) {
    std::string head = "stale";
    ASSERT_TRUE(platform::ReadFileHead(path, c.maxBytes, head));
    EXPECT_EQ(head, c.expected) << c.maxBytes;
  }
  std::string head;
  EXPECT_FALSE(platform::ReadFileHead(folder.File("none.ini"), 255, head));
}

TEST(Folders, HaveNoTrailingSeparator) {
  for (const std::string& folder : {platform::ProgramFolder(), platform::CurrentFolder()}) {
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\') << folder;
    EXPECT_NE(folder.back(), '/') << folder;
  }
}

TEST(Folders, TheProgramFolderHoldsTheProgram) {
#ifdef _WIN32
  const char* program = "\\platform_tests.exe";
#else
  const char* program = "\\platform_tests";
#endif
  EXPECT_TRUE(platform::FileExists(platform::ProgramFolder() + program)) << platform::ProgramFolder();
}

}  // namespace
