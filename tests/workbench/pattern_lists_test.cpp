// The pop-up list's common and syntax contents: splitting the list files,
// opening, docking or floating, choosing and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "workbench/pattern_lists.h"

namespace workbench {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitAtSeparator, FieldsEndAtEachSeparatorAndATrailingEmptyRestIsNoField) {
  struct Case {
    std::string text;
    std::string separator;
    int maxFields;
    Fields fields;
  };
  const Case cases[] = {
      {"", "\r\n", 0, {}},
      {"abc", "\r\n", 0, {"abc"}},
      {"a\r\nb", "\r\n", 0, {"a", "b"}},
      {"a\r\nb\r\n", "\r\n", 0, {"a", "b"}},
      {"a\r\n\r\nb", "\r\n", 0, {"a", "", "b"}},
      {"\r\na", "\r\n", 0, {"", "a"}},
      {"a\nb\nc", "\r\n", 0, {"a\nb\nc"}},  // a lone LF ends no line
      {"a\rb", "\r\n", 0, {"a\rb"}},
      {"\\d - digit", " - ", 0, {"\\d", "digit"}},
      {"(?=x) - lookahead - x", " - ", 0, {"(?=x)", "lookahead", "x"}},
      {"a - b - c - d", " - ", 0, {"a", "b", "c", "d"}},
      {"a - ", " - ", 0, {"a"}},
      {"a -  - b", " - ", 0, {"a", "", "b"}},
      {"a-b", " - ", 0, {"a-b"}},
      // Names and patterns of the common list: at most two fields.
      {"数字：\\d+", "：", 2, {"数字", "\\d+"}},
      {"a：b：c", "：", 2, {"a", "b"}},
      {"a：：b", "：", 2, {"a", ""}},
      {"a：", "：", 2, {"a"}},
      {"：x", "：", 2, {"", "x"}},
      {"abc", "：", 2, {"abc"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitAtSeparator(c.text, c.separator, c.maxFields), c.fields) << c.text;
}

TEST(SplitAtSeparator, FindsSeparatorsOnlyAtCharacterBoundaries) {
  // "：" is A3 BA. In "\xA3\xA3\xBA" the first A3 is a lead byte whose trail is
  // the second A3, so the A3 BA that straddles them is not a separator...
  EXPECT_EQ(SplitAtSeparator("\xA3\xA3\xBA" "b", "\xA3\xBA", 2), (Fields{"\xA3\xA3\xBA" "b"}));
  // ...while after a whole two-byte character it is.
  EXPECT_EQ(SplitAtSeparator("\xB0\xA1\xA3\xBA" "b", "\xA3\xBA", 2), (Fields{"\xB0\xA1", "b"}));
  // A trail byte that looks like the start of " - " does not begin one.
  EXPECT_EQ(SplitAtSeparator("\x81 - x", " - ", 0), (Fields{"\x81 - x"}));
  EXPECT_EQ(SplitAtSeparator("\x81\x40 - x", " - ", 0), (Fields{"\x81\x40", "x"}));
  // A two-byte character whose trail byte is CR does not hide the line end.
  EXPECT_EQ(SplitAtSeparator("a\x81\r\nb", "\r\n", 0), (Fields{"a\x81\r\nb"}));
  // A lead byte at the very end is kept.
  EXPECT_EQ(SplitAtSeparator("ab\xB0", "\r\n", 0), (Fields{"ab\xB0"}));
}

}  // namespace
}  // namespace workbench
