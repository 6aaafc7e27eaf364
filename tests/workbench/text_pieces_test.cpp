// The byte-text helpers that need no window: cell description pieces, the
// subject buffer's stretches and searches, the font record and CHARFORMAT2W.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/platform.h"
#include "platform/posix/posix_platform.h"
#include "workbench/cell_description.h"
#include "workbench/match_run.h"
#include "workbench/settings.h"
#include "workbench/workbench_state.h"

namespace workbench {
namespace {

uint32_t ReadUint32(const std::vector<uint8_t>& record, int offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | record[offset + i];
  return v;
}

TEST(ConsistsOnlyOf, Cases) {
  struct Case {
    const char* text;
    const char* piece;
    bool expected;
  } cases[] = {
      {"", "\r\n", true},        {"   ", " ", true},           {"\r\n\r\n", "\r\n", true},
      {"\r\n\n", "\r\n", false}, {"\r\r\n\n", "\r\n", false}, {"\r\r", "\r", true},
      {"\r\n", "\r", false},     {" a ", " ", false},         {"\t\t", " ", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ConsistsOnlyOf(c.text, c.piece), c.expected) << "text '" << c.text << "'";
  }
}

TEST(CountOccurrences, CountsEachHitOneByteOnFromTheLast) {
  EXPECT_EQ(CountOccurrences("", "\r\n"), "0");
  EXPECT_EQ(CountOccurrences("   ", " "), "3");
  EXPECT_EQ(CountOccurrences("\r\n\r\n", "\r\n"), "2");
  EXPECT_EQ(CountOccurrences("aaaa", "aa"), "3");  // overlapping hits count
  EXPECT_EQ(CountOccurrences(std::string(12, '\t'), "\t"), "12");
}

TEST(EdgeLabel, HeadAndTailKinds) {
  struct Case {
    const char* text;
    const char* label;
  } cases[] = {
      {" a ", "首尾空格"},
      {"\ta\r\n", "首制表尾回行"},
      {"a\r\nb", ""},
      {"\r\n\n", "首回行尾换行"},
      {"a\r\n", "尾回车换行符"},
      {"\r\na", "首回车换行符"},
      {"\na\r", "首换行尾回车"},
      {"\ra\t", "首回车尾制表"},
      {"x", ""},
      {"\n", "首尾换行符"},   // one byte: no two-byte head or tail
      {"\r", "首尾回车符"},
      {"中 ", "尾空格"},      // a two-byte character is no white space
      {"\r\n\r\n", "首尾回行符"},
  };
  for (const Case& c : cases) EXPECT_EQ(EdgeLabel(c.text), c.label) << "text '" << c.text << "'";
}

TEST(TextStretch, StartsFromEitherEnd) {
  const std::string text = "abcdef";
  EXPECT_EQ(TextStretch(text, 1, 2), "ab");
  EXPECT_EQ(TextStretch(text, 5, 10), "ef");
  EXPECT_EQ(TextStretch(text, -2, 2), "ef");
  EXPECT_EQ(TextStretch(text, -6, 1), "a");
  EXPECT_EQ(TextStretch(text, 7, 1), "");
  EXPECT_EQ(TextStretch(text, -7, 1), "");
  EXPECT_EQ(TextStretch(text, 0, 3), "");
  EXPECT_EQ(TextStretch(text, 2, 0), "");
}

TEST(FindText, OneBasedPositionsOrMinusOne) {
  const std::string text = "a\r\nb\r\nc";
  EXPECT_EQ(FindText(text, "\r\n"), 2);
  EXPECT_EQ(FindText(text, "\r\n", 2), 2);
  EXPECT_EQ(FindText(text, "\r\n", 3), 5);
  EXPECT_EQ(FindText(text, "\r\n", 6), -1);
  EXPECT_EQ(FindText(text, "\r\n", 100), -1);
  EXPECT_EQ(FindText(text, "B"), -1);  // case-sensitive
  EXPECT_EQ(FindText("", "x"), -1);
}

TEST(BuiltinListFont, FaceInUtf16ThenZeros) {
  std::vector<uint8_t> font = BuiltinListFont();
  ASSERT_EQ(font.size(), 84u);
  const uint8_t face[] = {0xAE, 0x5F, 0x6F, 0x8F, 0xC5, 0x96, 0xD1, 0x9E};  // 微软雅黑
  EXPECT_EQ(std::memcmp(font.data(), face, sizeof face), 0);
  for (size_t i = sizeof face; i < font.size(); ++i) EXPECT_EQ(font[i], 0) << "byte " << i;
}

class CharFormatTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::posix::ResetForTest(); }
};

TEST_F(CharFormatTest, HighlightRecord) {
  std::vector<uint8_t> f = MakeCharFormat("微软雅黑", 12, 0, 0x0051FF4D, 0);
  ASSERT_EQ(f.size(), 116u);
  EXPECT_EQ(ReadUint32(f, kCfCbSize), 116u);
  EXPECT_EQ(ReadUint32(f, kCfMask), 0xE4000000u);
  EXPECT_EQ(ReadUint32(f, kCfEffects), 0u);
  EXPECT_EQ(ReadUint32(f, kCfHeight), 180u);  // 12 px at 96 dpi
  EXPECT_EQ(ReadUint32(f, kCfTextColour), 0u);
  EXPECT_EQ(ReadUint32(f, kCfBackColour), 0x0051FF4Du);
  EXPECT_EQ(f[kCfFaceName], 0xAE);
  EXPECT_EQ(f[kCfFaceName + 8], 0);  // terminating NUL
}

TEST_F(CharFormatTest, DefaultRecordOfTheSubjectBox) {
  std::vector<uint8_t> f = MakeCharFormat("", 0, 0, std::nullopt, 0x40);
  EXPECT_EQ(ReadUint32(f, kCfMask), 0xE0000040u);
  EXPECT_EQ(ReadUint32(f, kCfEffects), 0x40u);
  EXPECT_EQ(ReadUint32(f, kCfBackColour), 0u);
  EXPECT_EQ(ReadUint32(f, kCfHeight), 180u);  // height 0 means 12 px
  EXPECT_EQ(f[kCfFaceName], 0xAE);  // the empty face means 微软雅黑
}

TEST_F(CharFormatTest, HeightFollowsTheScreenDpiWithRounding) {
  struct Case {
    int dpi, height;
    uint32_t twips;
  } cases[] = {{96, 12, 180}, {120, 12, 144}, {144, 12, 120}, {96, 1, 15}, {120, 7, 84}, {110, 12, 157}};
  for (const Case& c : cases) {
    platform::posix::SetScreenDpiY(c.dpi);
    EXPECT_EQ(ReadUint32(MakeCharFormat("", c.height, 0, std::nullopt, 0), kCfHeight), c.twips)
        << c.dpi << " dpi, " << c.height << " px";
  }
}

TEST_F(CharFormatTest, LongFaceKeepsItsTerminator) {
  std::vector<uint8_t> f = MakeCharFormat(std::string(40, 'x'), 20, 0x123456, std::nullopt, 0);
  EXPECT_EQ(f[kCfFaceName + 2 * 30], 'x');
  EXPECT_EQ(f[kCfFaceName + 2 * 31], 0);
  EXPECT_EQ(ReadUint32(f, kCfTextColour), 0x123456u);
  EXPECT_EQ(ReadUint32(f, kCfMask), 0xE0000000u);
}

class PositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cachedCharPos = 0;
    cachedByteOffset = 0;
  }
  void TearDown() override { savedSubject.clear(); }
};

TEST_F(PositionTest, CharToByteOffsetCountsTwoBytesPerGbkCharacter) {
  savedSubject = "中\r\n文a中b";  // D6 D0 0D 0A CE C4 61 D6 D0 62
  struct Case {
    int position;
    int bytes;
  } cases[] = {{0, 0}, {1, 2}, {2, 3}, {3, 4}, {4, 6}, {5, 7}, {6, 9}, {7, 10}, {9, 12}};
  for (const Case& c : cases) EXPECT_EQ(CharToByteOffset(c.position, false), c.bytes) << c.position;
}

TEST_F(PositionTest, CachedConversionContinuesFromThePreviousAnswer) {
  savedSubject = "中\r\n文a中b";
  EXPECT_EQ(CharToByteOffset(1, false), 2);
  EXPECT_EQ(CharToByteOffset(4, true), 6);
  EXPECT_EQ(CharToByteOffset(4, true), 6);  // the same position again
  EXPECT_EQ(CharToByteOffset(6, true), 9);
  EXPECT_EQ(CharToByteOffset(2, true), 3);  // backwards: counted from the start
  EXPECT_EQ(cachedCharPos, 2);
  EXPECT_EQ(cachedByteOffset, 3);
}

TEST_F(PositionTest, FirstConversionOfARunIgnoresAStaleCache) {
  savedSubject = "ab";
  EXPECT_EQ(CharToByteOffset(2, false), 2);
  savedSubject = "中ab";  // a two-byte character inserted before the cached spot
  EXPECT_EQ(CharToByteOffset(3, false), 4);
}

TEST_F(PositionTest, CountLineBreaksBetweenStaysInsideItsStretch) {
  savedSubject = "\r\na\r\n\r\nb\r";
  EXPECT_EQ(CountLineBreaksBetween(0, 100), 3);
  EXPECT_EQ(CountLineBreaksBetween(1, 1), 0);
  EXPECT_EQ(CountLineBreaksBetween(1, 2), 1);
  EXPECT_EQ(CountLineBreaksBetween(2, 4), 0);   // the CR at 4 is not below 4
  EXPECT_EQ(CountLineBreaksBetween(2, 5), 1);
  EXPECT_EQ(CountLineBreaksBetween(1, 7), 3);
  EXPECT_EQ(CountLineBreaksBetween(9, 100), 0);  // a lone CR at the end
}

}  // namespace
}  // namespace workbench
