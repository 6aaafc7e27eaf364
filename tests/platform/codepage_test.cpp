// Code page 936 both ways: the engine's ANSI boundary rests on these answers.
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"

namespace {

struct Conversion {
  const char* name;
  std::string ansi;
  std::u16string wide;
};

const Conversion kBothWays[] = {
    {"empty", "", u""},
    {"ascii", "a1b22 (\\d+)", u"a1b22 (\\d+)"},
    {"controls", std::string("\r\n\t\0x", 5), std::u16string(u"\r\n\t\0x", 5)},
    {"two-byte", "\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"},
    {"status text", "\xD5\xD2\xB5\xBD 2 \xB4\xA6", u"\u627E\u5230 2 \u5904"},
    {"button dots and cross", "\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xC1", u"\u00B7\u00B7\u00B7\u00D7"},
    {"full-width comma", "\xA3\xAC", u"\uFF0C"},
    {"euro", "\x80", u"\u20AC"},
    {"last GB2312 character", "\xF7\xFE", u"\u9F44"},
    {"mixed", "a\xD6\xD0" "b\xCE\xC4" "c", u"a\u4E2Db\u6587c"},
    {"first user-defined", "\xAA\xA1", u"\uE000"},
    {"user-defined ends", "\xAF\xFE\xF8\xA1\xFE\xFE", u"\uE233\uE234\uE4C5"},
    {"user-defined with low trails", "\xA1\x40\xA1\x80\xA7\xA0", u"\uE4C6\uE505\uE765"},
    {"lone FF", "\xFF" "A", u"\uF8F5" "A"},
};

// Bytes that are no character: one unit per pair or stray lead byte, nothing lost.
const Conversion kInvalidAnsi[] = {
    {"lead byte at the end", "a\xD6", u"a?"},
    {"lead byte alone", "\x81", u"?"},
    {"unassigned pair takes a blank", "\x81\x20z", u"?z"},
    {"unassigned pair takes DEL", "\xA1\x7F" "b", u"?b"},
    {"NUL is not a trail byte", std::string("\x81\0b", 3), std::u16string(u"?\0b", 3)},
};

// Code units without a GBK character.
const Conversion kUnmappedWide[] = {
    {"lone high surrogate", "?", u"\xD800"},
    {"lone low surrogate", "a?z", u"a\xDC00z"},
    {"pair outside the BMP", "??", u"\U0001F600"},
    {"Thai", "?", u"\u0E01"},
};

TEST(CodePage, IsTheChineseOne) { EXPECT_EQ(platform::AnsiCodePage(), 936); }

TEST(CodePage, ConvertsBothWays) {
  for (const Conversion& c : kBothWays) {
    EXPECT_EQ(platform::AnsiToUtf16(c.ansi), c.wide) << c.name;
    EXPECT_EQ(platform::Utf16ToAnsi(c.wide), c.ansi) << c.name;
  }
}

TEST(CodePage, InvalidBytesBecomeOneUnitEach) {
  for (const Conversion& c : kInvalidAnsi) EXPECT_EQ(platform::AnsiToUtf16(c.ansi), c.wide) << c.name;
}

TEST(CodePage, UnitsWithoutACharacterBecomeQuestionMarks) {
  for (const Conversion& c : kUnmappedWide) EXPECT_EQ(platform::Utf16ToAnsi(c.wide), c.ansi) << c.name;
}

TEST(CodePage, ALongTextKeepsItsLength) {
  std::string ansi;
  std::u16string wide;
  for (int i = 0; i < 50000; ++i) {
    ansi += "\xD6\xD0x";
    wide += u"\u4E2Dx";
  }
  EXPECT_EQ(platform::AnsiToUtf16(ansi), wide);
  EXPECT_EQ(platform::Utf16ToAnsi(wide), ansi);
}

}  // namespace
