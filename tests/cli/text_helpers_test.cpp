// vintrel-grep's UTF-8 and JSON helpers at the edges that matter.
#include <gtest/gtest.h>

#include <string>

#include "cli/json.h"
#include "cli/utf8.h"

namespace cli {
namespace {

TEST(Utf8ToUtf16, ValidAndInvalidSequences) {
  struct {
    std::string in;
    std::u16string out;
  } cases[] = {
      {"a\xE4\xB8\xAD", u"a\u4E2D"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},         // becomes a surrogate pair
      {"\xFF" "a", u"\uFFFD" "a"},                  // one unit per bad byte
      {"\xE4\xB8", u"\uFFFD\uFFFD"},                // truncated at the end
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.in), c.out) << c.in;
}

TEST(Utf16ToUtf8, PairsAndLoneSurrogates) {
  struct {
    std::u16string in;
    std::string out;
  } cases[] = {
      {u"a\u4E2D", "a\xE4\xB8\xAD"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
      {std::u16string(1, char16_t(0xD83D)), "\xEF\xBF\xBD"},  // half of a pair
      {std::u16string(1, char16_t(0xDE00)) + u"x", "\xEF\xBF\xBDx"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.in), c.out);
}

TEST(JsonString, EscapesWhatJsonRequires) {
  struct {
    std::string in, out;
  } cases[] = {
      {"plain", "\"plain\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"\r\n\t\b\f", "\"\\r\\n\\t\\b\\f\""},
      {std::string("\x01\0", 2), "\"\\u0001\\u0000\""},
      {"\xE4\xB8\xAD/", "\"\xE4\xB8\xAD/\""},
  };
  for (const auto& c : cases) EXPECT_EQ(JsonString(c.in), c.out);
}

}  // namespace
}  // namespace cli
