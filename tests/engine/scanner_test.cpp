#include "engine/scanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace engine {
namespace {

// Scans the whole pattern. Each token prints as its code unit, special ones
// wrapped in <>; units outside printable ASCII print as \xHH or \uHHHH.
std::string TokenStream(const std::u16string& pattern, bool extended = false) {
  PatternScanner scanner;
  scanner.Prime(pattern.data(), static_cast<int>(pattern.size()), extended);
  std::string out;
  for (int guard = 0; guard < 1000 && !scanner.Current().IsEnd(); guard++) {
    const Token& t = scanner.Current();
    std::string unit;
    char buffer[16];
    if (t.ch >= 0x20 && t.ch < 0x7F) {
      unit = std::string(1, static_cast<char>(t.ch));
    } else {
      std::snprintf(buffer, sizeof buffer, t.ch < 0x100 ? "\\x%02X" : "\\u%04X", t.ch);
      unit = buffer;
    }
    out += t.special ? "<" + unit + ">" : unit;
    scanner.Advance();
  }
  return out;
}

struct StreamCase {
  std::u16string pattern;
  bool extended;
  std::string tokens;
};

class ScannerStreamTest : public testing::TestWithParam<StreamCase> {};

TEST_P(ScannerStreamTest, YieldsTokens) {
  EXPECT_EQ(TokenStream(GetParam().pattern, GetParam().extended), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScannerStreamTest,
    testing::Values(
        StreamCase{u"a\\.b", false, "a.b"}, StreamCase{u"a.b", false, "a<.>b"},
        StreamCase{u"[a-z]", false, "<[>a<->z<]>"}, StreamCase{u"a-z", false, "a-z"},
        StreamCase{u"[^^]", false, "<[><^>^<]>"},
        StreamCase{u"[[:alpha:]]", false, "<[><[><:>alpha:<]><]>"},
        StreamCase{u"[:^alpha:]", false, "<[><:><^>alpha:<]>"},
        StreamCase{u"[a[b]", false, "<[>a[b<]>"},
        // Metacharacters lose their meaning inside brackets and "-" gains one.
        StreamCase{u"[$)*+.?{}|(]", false, "<[>$)*+.?{}|(<]>"},
        StreamCase{u"$)*+.?{}|(", false, "<$><)><*><+><.><?><{><}><|><(>"},
        StreamCase{u"[]a]", false, "<[><]>a]"}, StreamCase{u"a]", false, "a]"},
        StreamCase{u"a:b", false, "a:b"}, StreamCase{u"a^b", false, "a<^>b"},
        StreamCase{u"[a^]", false, "<[>a^<]>"},
        StreamCase{u"\\x41\\u0041\\x{41}\\u{000041}", false, "AAAA"},
        StreamCase{u"\\xZ", false, "xZ"}, StreamCase{u"\\x{}", false, "\\x00"},
        StreamCase{u"\\x4g", false, "\\x04g"}, StreamCase{u"\\u12345", false, "\\u12345"},
        // Only the last four digits of a braced value count.
        StreamCase{u"\\x{12345}a", false, "\\u2345a"},
        StreamCase{u"\\x{41zz}b", false, "Ab"}, StreamCase{u"\\x{41", false, "A"},
        StreamCase{u"\\u", false, "u"}, StreamCase{u"\\x", false, "x"},
        StreamCase{u"\\Qa.b*\\E+", false, "a.b*<+>"},
        StreamCase{u"\\Q\\U(\\E)", false, "\\U(<)>"},
        StreamCase{u"\\Uab\\E", false, "AB"}, StreamCase{u"\\Lxy", false, "xy"},
        StreamCase{u"\\LAb\\Ec", false, "abc"},
        // The first case map set stands until "\E".
        StreamCase{u"\\Ua\\Lb", false, "A\\LB"},
        StreamCase{u"\\Qa)]\\E)", false, "a)]<)>"}, StreamCase{u"\\Ea\\E", false, "a"},
        StreamCase{u"\\12", false, "<\\>12"}, StreamCase{u"\\0", false, "<\\>0"},
        StreamCase{u"[\\b]\\b", false, "<[>\\x08<]><b>"},
        StreamCase{u"\\G[\\G]", false, "<G><[><]>"},
        StreamCase{u"\\A\\B\\D\\S\\W\\Z\\d\\g\\k\\s\\w\\z", false,
                   "<A><B><D><S><W><Z><d><g><k><s><w><z>"},
        StreamCase{u"[\\d\\k]", false, "<[><d><k><]>"},
        StreamCase{u"\\a\\e\\f\\n\\r\\t\\v", false, "\\x07\\x1B\\x0C\\x0A\\x0D\\x09\\x0B"},
        StreamCase{u"\\.\\\\\\-\\c\\p\\h\\\u4E2D", false, ".\\-cph\\u4E2D"},
        StreamCase{u"[\\]]", false, "<[>]<]>"},
        StreamCase{u"a b # note\nc", true, "abc"},
        StreamCase{u"a b # note\nc", false, "a b # note\\x0Ac"},
        StreamCase{u"a#x\rb", true, "ab"}, StreamCase{u"a#rest", true, "a"},
        StreamCase{u"[ a ]", true, "<[>a<]>"}, StreamCase{u"\\ a", true, " a"},
        StreamCase{u"a(?#note)b", false, "ab"}, StreamCase{u"a(?#note)b", true, "ab"},
        StreamCase{u"a(?#note", false, "a"}, StreamCase{u"[(?#])a]", false, "<[>a<]>"},
        StreamCase{u"\\", false, "\\"}, StreamCase{u"a\\", false, "a\\"}));

TEST(ScannerTest, TokenPositionsAndLengths) {
  struct Case {
    std::u16string pattern;
    std::vector<int> starts;
    std::vector<int> lengths;
  };
  const Case cases[] = {
      {u"\\x41\\u0041\\x{41}\\u{000041}", {0, 4, 10, 16}, {4, 6, 6, 10}},
      {u"\\n\\12", {0, 2, 3, 4}, {2, 1, 1, 1}},
      {u"\\x{41", {0}, {5}},
      {u"a(?#c)\\Qb", {0, 8}, {1, 1}},
      {u"\\x", {0}, {2}},
  };
  for (const Case& c : cases) {
    PatternScanner scanner;
    scanner.Prime(c.pattern.data(), static_cast<int>(c.pattern.size()), false);
    std::vector<int> starts, lengths;
    while (!scanner.Current().IsEnd()) {
      starts.push_back(scanner.Current().start);
      lengths.push_back(scanner.Current().length);
      scanner.Advance();
    }
    EXPECT_EQ(starts, c.starts) << std::string(c.pattern.begin(), c.pattern.end());
    EXPECT_EQ(lengths, c.lengths) << std::string(c.pattern.begin(), c.pattern.end());
  }
}

TEST(ScannerTest, EndTokenRepeatsAtPatternEnd) {
  const std::u16string pattern = u"ab";
  PatternScanner scanner;
  scanner.Prime(pattern.data(), 2, false);
  EXPECT_EQ(scanner.AfterNext().special, 1);
  EXPECT_EQ(scanner.AfterNext().ch, 0);
  for (int i = 0; i < 4; i++) scanner.Advance();
  const Token& end = scanner.Current();
  EXPECT_TRUE(end.IsEnd());
  EXPECT_EQ(end.start, 2);
  EXPECT_EQ(end.length, 0);
  EXPECT_EQ(scanner.Position(), 2);
}

TEST(ScannerTest, LiteralNulDiffersFromEnd) {
  const std::u16string pattern = u"\\x00";
  PatternScanner scanner;
  scanner.Prime(pattern.data(), 4, false);
  EXPECT_EQ(scanner.Current().ch, 0);
  EXPECT_EQ(scanner.Current().special, 0);
  EXPECT_FALSE(scanner.Current().IsEnd());
  EXPECT_NE(scanner.Current(), scanner.Next());
  EXPECT_TRUE(scanner.Next().IsEnd());
}

TEST(ScannerTest, PrimeFillsWindowAndAdvanceShiftsIt) {
  const std::u16string pattern = u"abcd";
  PatternScanner scanner;
  scanner.Prime(pattern.data(), 4, false);
  EXPECT_EQ(scanner.Current().ch, u'a');
  EXPECT_EQ(scanner.Next().ch, u'b');
  EXPECT_EQ(scanner.AfterNext().ch, u'c');
  scanner.Advance();
  EXPECT_EQ(scanner.Previous().ch, u'a');
  EXPECT_EQ(scanner.Current().ch, u'b');
  EXPECT_EQ(scanner.AfterNext().ch, u'd');
}

TEST(ScannerTest, CopyRestoresEveryMode) {
  const std::u16string pattern = u"[\\Ua[x";
  PatternScanner scanner;
  scanner.Prime(pattern.data(), static_cast<int>(pattern.size()), false);
  const PatternScanner saved = scanner;
  ASSERT_EQ(scanner.BracketDepth(), 1);
  ASSERT_EQ(scanner.LiteralMode(), 1);
  ASSERT_EQ(scanner.ActiveCaseMap(), CaseMap::kUpper);
  for (int i = 0; i < 5; i++) scanner.Advance();
  scanner = saved;
  EXPECT_EQ(scanner.Current(), (Token{u'[', 1, 0, 1}));
  EXPECT_EQ(scanner.Next(), (Token{u'A', 0, 0, 1}));
  EXPECT_EQ(scanner.AfterNext(), (Token{u'[', 0, 0, 1}));
  scanner.Advance();
  EXPECT_EQ(scanner.AfterNext(), (Token{u'X', 0, 0, 1}));
}

TEST(ScannerTest, TokenEqualityIgnoresPlace) {
  EXPECT_EQ((Token{u'a', 0, 0, 1}), (Token{u'a', 0, 7, 2}));
  EXPECT_NE((Token{u'a', 0, 0, 1}), (Token{u'a', 1, 0, 1}));
}

}  // namespace
}  // namespace engine
