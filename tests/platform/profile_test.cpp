// The rules of the profile functions, checked against both layers.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace {

using platform_test::TempFolder;

struct ReadCase {
  const char* name;
  const char* file;  // nullptr: no file at all
  const char* section;
  const char* key;
  const char* fallback;
  const char* expected;
};

const ReadCase kReadCases[] = {
    {"plain", "[RegEx]\r\nPattern=abc\r\n", "RegEx", "Pattern", "", "abc"},
    {"no file", nullptr, "RegEx", "Pattern", "dflt", "dflt"},
    {"empty file", "", "RegEx", "Global", "0", "0"},
    {"section without case", "[regex]\r\nGlobal=1\r\n", "REGEX", "Global", "0", "1"},
    {"key without case", "[RegEx]\r\ncasesensitive=1\r\n", "RegEx", "CaseSensitive", "0", "1"},
    {"value trimmed", "[RegEx]\r\nPattern=  a b \t\r\n", "RegEx", "Pattern", "", "a b"},
    {"key trimmed", "[RegEx]\r\n  Pattern \t= x\r\n", "RegEx", "Pattern", "", "x"},
    {"empty value is not absent", "[RegEx]\r\nPattern=\r\n", "RegEx", "Pattern", "dflt", ""},
    {"missing key", "[RegEx]\r\nPattern=x\r\n", "RegEx", "Window", "0", "0"},
    {"key of another section", "[Other]\r\nWindow=1\r\n[RegEx]\r\nPattern=x\r\n", "RegEx", "Window", "0", "0"},
    {"second section", "[Other]\r\nWindow=1\r\n[RegEx]\r\nWindow=2\r\n", "RegEx", "Window", "0", "2"},
    {"first of two keys", "[RegEx]\r\nGlobal=1\r\nGlobal=0\r\n", "RegEx", "Global", "", "1"},
    {"value keeps inner equals", "[RegEx]\r\nPattern=a=b\r\n", "RegEx", "Pattern", "", "a=b"},
    {"double quotes dropped", "[RegEx]\r\nPattern=\"abc\"\r\n", "RegEx", "Pattern", "", "abc"},
    {"single quotes dropped", "[RegEx]\r\nPattern='abc'\r\n", "RegEx", "Pattern", "", "abc"},
    {"one quote kept", "[RegEx]\r\nPattern=\"abc\r\n", "RegEx", "Pattern", "", "\"abc"},
    {"line feeds only", "[RegEx]\nGlobal=1\nPattern=\\d+\n", "RegEx", "Pattern", "", "\\d+"},
    {"no final line break", "[RegEx]\r\nPattern=last", "RegEx", "Pattern", "", "last"},
    {"GBK value", "[RegEx]\r\nPattern=\xD6\xD0\xCE\xC4\r\n", "RegEx", "Pattern", "", "\xD6\xD0\xCE\xC4"},
    {"fallback loses trailing blanks", nullptr, "RegEx", "Pattern", "x  ", "x"},
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, GivesTheValueWindowsGives) {
  const ReadCase& c = GetParam();
  TempFolder folder;
  std::string path = folder.File("config.ini");
  if (c.file) {
    ASSERT_TRUE(platform::WriteWholeFile(path, c.file));
  }
  EXPECT_EQ(platform::GetProfileString(c.section, c.key, c.fallback, path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST(ProfileLimits, AValueComesBackCutToTheBuffer) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  std::string longValue(platform::kProfileValueMax + 500, 'x');
  longValue.replace(0, 3, "abc");
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", longValue, path));

  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_NE(bytes.find(longValue), std::string::npos) << "the write keeps the whole value";
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "", path),
            longValue.substr(0, platform::kProfileValueMax - 1));
}

TEST(ProfileLimits, AValueOfExactlyTheBufferLessOneComesBackWhole) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  std::string value(platform::kProfileValueMax - 1, 'y');
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", value, path));
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "", path), value);
}

TEST(ProfileWrite, CreatesTheFileAndReadsBack) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", "(\\d+)", path));
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "", path), "(\\d+)");
}

TEST(ProfileWrite, OneKeyChangesAndEverythingElseStays) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  ASSERT_TRUE(platform::WriteWholeFile(path,
                                       "[Other]\r\nName=keep me\r\n"
                                       "[RegEx]\r\nGlobal=1\r\npattern=old\r\nWindow=1\r\n"
                                       "[Last]\r\nX=9\r\n"));
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", "new", path));
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Autoline", "1", path));
  ASSERT_TRUE(platform::WriteProfileString("Fresh", "Key", "v", path));

  struct Expect {
    const char* section;
    const char* key;
    const char* value;
  } expected[] = {
      {"Other", "Name", "keep me"}, {"RegEx", "Global", "1"}, {"RegEx", "Pattern", "new"},
      {"RegEx", "Window", "1"},     {"RegEx", "Autoline", "1"}, {"Last", "X", "9"},
      {"Fresh", "Key", "v"},        {"Last", "Autoline", "-"},
  };
  for (const Expect& e : expected) {
    EXPECT_EQ(platform::GetProfileString(e.section, e.key, "-", path), e.value) << e.section << "/" << e.key;
  }
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes.find("old"), std::string::npos);
}

TEST(ProfileWrite, AnEmptyValueIsKeptAsEmpty) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", "abc", path));
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", "", path));
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "dflt", path), "");
}

TEST(ProfileWrite, AValueWithBlanksComesBackTrimmed) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", "  a  ", path));
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "", path), "a");
}

TEST(ProfileWrite, GbkValueRoundTrips) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  const std::string value = "\xD5\xD2\xB5\xBD [\\x{4e00}-\\x{9fa5}]+";
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", value, path));
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "", path), value);
}

TEST(ProfileWrite, AMissingFolderFailsAndIsNotCreated) {
  TempFolder folder;
  std::string path = folder.File("Data\\config.ini");
  EXPECT_FALSE(platform::WriteProfileString("RegEx", "Pattern", "x", path));
  EXPECT_EQ(folder.Listing(), "");
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "dflt", path), "dflt");
}

TEST(ProfileWrite, AReadOnlyFileFailsAndKeepsItsValue) {
  TempFolder folder;
  std::string path = folder.File("config.ini");
  ASSERT_TRUE(platform::WriteProfileString("RegEx", "Pattern", "before", path));
  platform_test::SetReadOnly(path, true);
  EXPECT_FALSE(platform::WriteProfileString("RegEx", "Pattern", "after", path));
  EXPECT_EQ(platform::GetProfileString("RegEx", "Pattern", "", path), "before");
  platform_test::SetReadOnly(path, false);
}

}  // namespace
