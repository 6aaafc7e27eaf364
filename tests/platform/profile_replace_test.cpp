// A profile write replaces the file in one step: it keeps every other key,
// leaves no file of its own behind, and a write that cannot happen changes
// nothing at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <ostream>
#include <string>

#include "platform/platform.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include "platform/win32/windows_api.h"
#else
#include "platform/posix/posix_platform.h"
#endif

namespace {

using platform_test::TempFolder;

std::filesystem::path NativePath(const std::string& path) {
#ifdef _WIN32
  return path;
#else
  return platform::posix::HostPath(path);
#endif
}

struct KeepCase {
  const char* name;
  const char* before;  // nullptr: no file yet
};

const KeepCase kKeepCases[] = {
    {"no file", nullptr},
    {"empty file", ""},
    {"only the section", "[RegEx]\r\n"},
    {"other sections around", "[Head]\r\nA=1\r\n[RegEx]\r\nGlobal=1\r\nPattern=old\r\n[Tail]\r\nB=2\r\n"},
    {"line feeds only", "[RegEx]\nGlobal=1\nWindow=1\n"},
    {"no final line break", "[RegEx]\r\nSearchline=1"},
    {"GBK values", "[RegEx]\r\nPattern=\xD6\xD0\xCE\xC4\r\nWindow=1\r\n"},
};

void PrintTo(const KeepCase& c, std::ostream* out) { *out << c.name; }

class ProfileReplace : public ::testing::TestWithParam<KeepCase> {
 protected:
  // Every key of the file before any write, read through the layer itself.
  struct Key {
    const char* section;
    const char* key;
  };
  static constexpr Key kKeys[] = {{"Head", "A"},        {"Tail", "B"},        {"RegEx", "Global"},
                                  {"RegEx", "Window"}, {"RegEx", "Searchline"}, {"RegEx", "Pattern"}};
};

TEST_P(ProfileReplace, KeepsTheOtherKeysAndLeavesNoOtherFile) {
  const KeepCase& c = GetParam();
  TempFolder folder;
  std::string path = folder.File("config.ini");
  if (c.before) {
    ASSERT_TRUE(platform::WriteWholeFile(path, c.before));
  }
  std::string before[std::size(kKeys)];
  for (size_t i = 0; i < std::size(kKeys); ++i) {
    before[i] = platform::GetProfileString(kKeys[i].section, kKeys[i].key, "-", path);
  }

  const std::string pattern = "\xD5\xD2 (\\d+)";
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", pattern, path));
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "EmptyPrompt", "1", path));
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "EmptyPrompt", "0", path));

  for (size_t i = 0; i < std::size(kKeys); ++i) {
    if (std::string(kKeys[i].key) == "Pattern") continue;
    EXPECT_EQ(platform::GetProfileString(kKeys[i].section, kKeys[i].key, "-", path), before[i])
        << kKeys[i].section << "/" << kKeys[i].key;
  }
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "-", path), pattern);
  EXPECT_EQ(platform::GetProfileString("RegEx", "EmptyPrompt", "-", path), "0");
  EXPECT_EQ(folder.Listing(), "config.ini");
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileReplace, ::testing::ValuesIn(kKeepCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

// Many writes in quick succession: each one's new file gets a fresh name and
// none of them stays.
TEST(ProfileReplaceRepeated, BackToBackWritesAllLandAndLeaveOneFile) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  for (int i = 0; i < 40; ++i) {
    ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", "p" + std::to_string(i), path)) << i;
    ASSERT_TRUE(platform::WriteProfileString("RegEx", i % 2 ? "Global" : "Multiline", "1", path)) << i;
    ASSERT_EQ(platform::GetProfileString("RegEx", "Pattern", "", path), "p" + std::to_string(i));
  }
  EXPECT_EQ(platform::GetProfileString("RegEx", "Global", "0", path), "1");
  EXPECT_EQ(platform::GetProfileString("RegEx", "Multiline", "0", path), "1");
  EXPECT_EQ(folder.Listing(), "config.ini");
}

TEST(ProfileReplaceFailure, AReadOnlyFileStaysByteForByte) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  const std::string original = "[RegEx]\r\nPattern=before\r\nGlobal=1\r\n";
  ASSERT_TRUE(platform::WriteWholeFile(path, original));
  platform_test::SetReadOnly(path, true);
  EXPECT_FALSE(platform::WriteProfileString("RegEx", "Pattern", "after", path));
  EXPECT_FALSE(platform::WriteProfileString("RegEx", "Window", "1", path));
  platform_test::SetReadOnly(path, false);

  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, original);
  EXPECT_EQ(folder.Listing(), "config.ini");
}

TEST(ProfileReplaceFailure, AMissingFolderCreatesNothing) {
  TempFolder folder;
  for (const char* name : {"Data\\config.ini", "Data\\Sub\\config.ini"}) {
    EXPECT_FALSE(platform::WriteProfileString("RegEx", "Pattern", "x", folder.File(name))) << name;
  }
  EXPECT_EQ(folder.Listing(), "");
}

TEST(ProfileReplaceFailure, AFolderInTheFilesPlaceIsLeftAlone) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  ASSERT_TRUE(std::filesystem::create_directory(NativePath(path)));
  EXPECT_FALSE(platform::WriteProfileString("RegEx", "Pattern", "x", path));
  EXPECT_TRUE(std::filesystem::is_directory(NativePath(path)));
  EXPECT_EQ(folder.Listing(), "config.ini");
}

#ifdef _WIN32
// Another program holds the file open without sharing: the copy cannot be
// made, so the write fails and its half-made file goes.
TEST(ProfileReplaceFailure, AFileLockedByAnotherProgramStaysAndNoCopyRemains) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  const std::string original = "[RegEx]\r\nPattern=before\r\n";
  ASSERT_TRUE(platform::WriteWholeFile(path, original));
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(platform::WriteProfileString("RegEx", "Pattern", "after", path));
  EXPECT_EQ(folder.Listing(), "config.ini");
  CloseHandle(lock);

  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, original);
}
#endif

}  // namespace
