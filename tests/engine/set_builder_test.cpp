#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/compiled_pattern.h"
#include "engine/flags.h"
#include "support/span_check.h"
#include "support/tree_dump.h"

namespace engine {
namespace {

std::string Narrow(const std::u16string& text) {
  std::string out;
  for (char16_t u : text) out += u < 0x80 ? static_cast<char>(u) : '?';
  return out;
}

struct DumpCase {
  std::u16string pattern;
  uint32_t flags;
  std::string dump;
};

void PrintTo(const DumpCase& c, std::ostream* os) { *os << Narrow(c.pattern) << " flags " << c.flags; }

class SetDumpTest : public testing::TestWithParam<DumpCase> {};

TEST_P(SetDumpTest, BuildsSet) {
  EXPECT_EQ(DumpPattern(GetParam().pattern, GetParam().flags), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(
    Brackets, SetDumpTest,
    testing::Values(
        DumpCase{u"[abc]", 0, "Set(\"abc\")"}, DumpCase{u"[^abc]", 0, "NotSet(\"abc\")"},
        DumpCase{u"[a-c-e]", 0, "Set(a-c \"-e\")"}, DumpCase{u"[a-]", 0, "Set(\"a-\")"},
        DumpCase{u"[-a]", 0, "Set(\"-a\")"}, DumpCase{u"[]a]", 0, "List(Set(),Str(\"a]\"))"},
        DumpCase{u"[]", 0, "Set()"}, DumpCase{u"[^]", 0, "NotSet()"},
        DumpCase{u"[a", 0, "Set(\"a\")"}, DumpCase{u"[z-a]", 0, "Set(z-a)"},
        DumpCase{u"[a^]", 0, "Set(\"a^\")"}, DumpCase{u"[a]", RIGHT_TO_LEFT, "Set/r(\"a\")"},
        DumpCase{u"[a.*+?(){}|$]", 0, "Set(\"a.*+?(){}|$\")"},
        DumpCase{u"[\\]]", 0, "Set(\"]\")"}, DumpCase{u"[\\-a]", 0, "Set(\"-a\")"},
        DumpCase{u"[\\x41-\\x5A]", 0, "Set(A-Z)"}, DumpCase{u"[\\b]", 0, "Set(\"\\x08\")"},
        DumpCase{u"[\\1]", 0, "Set(\"\\x5C1\")"}, DumpCase{u"[\\A\\B\\Z\\z\\g\\k]", 0, "Set(\"ABZzgk\")"},
        DumpCase{u"[a\\Gb]", 0, "Set(\"ab\")"}, DumpCase{u"[\\d\\W]", 0, "Set(Stock(7) Stock(4))"},
        DumpCase{u"[\\s]", RIGHT_TO_LEFT, "Set/r(Stock(13))"},
        DumpCase{u"[a-\\d]", 0, "Set(\"a-\" Stock(7))"}, DumpCase{u"[\\d-z]", 0, "Set(\"-z\" Stock(7))"},
        // A range needs a literal end: "[a--]" has a special "-" there.
        DumpCase{u"[a--]", 0, "Set(\"a--\")"}, DumpCase{u"[a-\\-]", 0, "Set(a-\\x2D)"},
        DumpCase{u"[+--]", 0, "Set(\"+--\")"}, DumpCase{u"[\u4E00-\u9FA5]", 0, "Set(\\u4E00-\\u9FA5)"},
        DumpCase{u"[ a]", EXTENDED, "Set(\"a\")"}));

INSTANTIATE_TEST_SUITE_P(
    Posix, SetDumpTest,
    testing::Values(
        DumpCase{u"[[:digit:]x]", 0, "Set(\"x\" Posix(digit))"},
        DumpCase{u"[^[:digit:]]", 0, "NotSet(Posix(digit))"},
        DumpCase{u"[:digit:]", 0, "Posix(digit)"}, DumpCase{u"[:^alpha:]", 0, "NotPosix(alpha)"},
        DumpCase{u"[:alpha:xyz]", 0, "Posix(alpha)"}, DumpCase{u"[:xdigit:]", 0, "Posix(xdigit)"},
        DumpCase{u"[:blank:]", RIGHT_TO_LEFT, "Posix/r(blank)"},
        DumpCase{u"[[:foo:]]", 0, "Set(Set(\":foo:\"))"}, DumpCase{u"[:foo:]", 0, "Set(\":foo:\")"},
        // Names compare with case.
        DumpCase{u"[:Alpha:]", 0, "Set(\":Alpha:\")"},
        // The name's text ends at a unit above 255.
        DumpCase{u"[:al\u4E2Dpha:]", 0, "Set(\":al\\u4E2Dpha:\")"},
        DumpCase{u"[:alpha", 0, "Set(\":alpha\")"}, DumpCase{u"[:alpha:]]", 0, "List(Posix(alpha),Str(\"]\"))"},
        DumpCase{u"[[:alpha:][:digit:]_]", 0, "Set(\"_\" Posix(alpha) Posix(digit))"}));

INSTANTIATE_TEST_SUITE_P(
    Folding, SetDumpTest,
    testing::Values(
        DumpCase{u"[a-c]", IGNORE_CASE, "Set(a-c A-C)"}, DumpCase{u"[K]", IGNORE_CASE, "Set(\"Kk\")"},
        DumpCase{u"[aA]", IGNORE_CASE, "Set(\"aA\")"}, DumpCase{u"[A-z]", IGNORE_CASE, "Set(A-z)"},
        DumpCase{u"[Z-b]", IGNORE_CASE, "Set(Z-b z-z A-B)"},
        DumpCase{u"[0-9]", IGNORE_CASE, "Set(0-9)"},
        DumpCase{u"[!-~]", IGNORE_CASE, "Set(!-~)"},
        DumpCase{u"[a-zA]", IGNORE_CASE, "Set(a-z A-Z \"A\")"},
        DumpCase{u"[xa-c]", IGNORE_CASE, "Set(a-c A-C \"xX\")"},
        DumpCase{u"[[:upper:]]", IGNORE_CASE, "Set(Posix(upper))"},
        DumpCase{u"[\\w]", IGNORE_CASE, "Set(Stock(3))"},
        DumpCase{u"[\u00E9]", IGNORE_CASE, "Set(\"\\xE9\")"}));

INSTANTIATE_TEST_SUITE_P(
    Stock, SetDumpTest,
    testing::Values(
        DumpCase{u".", 0, "Stock(2)"}, DumpCase{u".", DOT_ALL, "Stock(1)"},
        DumpCase{u".", DOT_ALL | RIGHT_TO_LEFT, "Stock(9)"},
        DumpCase{u"\\w\\W\\s\\S\\d\\D", 0, "List(Stock(3),Stock(4),Stock(5),Stock(6),Stock(7),Stock(8))"},
        DumpCase{u"\\w\\W\\s\\S\\d\\D", RIGHT_TO_LEFT,
                 "List/r(Stock(11),Stock(12),Stock(13),Stock(14),Stock(15),Stock(16))"}));

TEST(SetBuilderTest, StockSetsHoldTheirMembers) {
  struct Case {
    std::u16string pattern;
    uint32_t flags;
    int index;
    int positive;
    int rightToLeft;
    std::u16string ranges;
    std::u16string chars;
  };
  const Case cases[] = {
      {u".", DOT_ALL, 1, 0, 0, u"", u""},
      {u".", 0, 2, 0, 0, u"", u"\n"},
      {u"\\w", 0, 3, 1, 0, u"AZaz09", u"_"},
      {u"\\W", RIGHT_TO_LEFT, 12, 0, 1, u"AZaz09", u"_"},
      {u"\\s", 0, 5, 1, 0, u"", u" \t\r\n"},
      {u"\\S", 0, 6, 0, 0, u"", u" \t\r\n"},
      {u"\\s", RIGHT_TO_LEFT, 13, 1, 1, u"", u" \t\r\n\f\v"},
      {u"\\S", RIGHT_TO_LEFT, 14, 0, 1, u"", u" \t\r\n\f\v"},
      {u"\\d", 0, 7, 1, 0, u"09", u""},
      {u"\\D", 0, 8, 0, 0, u"09", u""},
      // Stock sets are never folded.
      {u"\\w", IGNORE_CASE, 3, 1, 0, u"AZaz09", u"_"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Narrow(c.pattern) + " flags " + std::to_string(c.flags));
    auto compiled = CompiledPattern::Build(c.pattern.data(), static_cast<int>(c.pattern.size()), c.flags);
    ASSERT_TRUE(compiled);
    const auto* set = dynamic_cast<const BracketElement*>(compiled->stock[c.index]);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(compiled->root, set);
    EXPECT_EQ(set->positive, c.positive);
    EXPECT_EQ(set->rightToLeft, c.rightToLeft);
    EXPECT_EQ(std::u16string(set->ranges.begin(), set->ranges.end()), c.ranges);
    EXPECT_EQ(std::u16string(set->chars.begin(), set->chars.end()), c.chars);
    EXPECT_TRUE(set->classes.empty());
  }
}

TEST(SetBuilderTest, DeepBracketNesting) {
  // Each "x[:" opens a nested set whose name is unknown. The name test must
  // not scan on to the end of the pattern at every level.
  auto build = [](int levels) {
    std::u16string pattern = u"[";
    for (int i = 0; i < levels; i++) pattern += u"x[:";
    return CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), 0);
  };
  EXPECT_EQ(build(100000), nullptr);
  EXPECT_EQ(build(kMaxNestingDepth), nullptr);
  auto compiled = build(64);
  ASSERT_TRUE(compiled);
  const std::u16string subject = u"-x";
  const MatchResult result = compiled->MatchAt(subject.data(), 2, 0);
  ASSERT_FALSE(result.empty());
  EXPECT_EQ(result[2], 1);
}

struct SpanCase {
  std::u16string pattern;
  uint32_t flags;
  std::u16string subject;
  std::string spans;
};

void PrintTo(const SpanCase& c, std::ostream* os) {
  *os << Narrow(c.pattern) << " over " << Narrow(c.subject) << " flags " << c.flags;
}

class SetMatchTest : public testing::TestWithParam<SpanCase> {};

TEST_P(SetMatchTest, FindsFirstMatch) {
  EXPECT_EQ(FirstMatchSpans(GetParam().pattern, GetParam().flags, GetParam().subject), GetParam().spans);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetMatchTest,
    testing::Values(
        SpanCase{u"[abc]", 0, u"xb", "(1,2)"}, SpanCase{u"[^abc]", 0, u"ad", "(1,2)"},
        SpanCase{u"[^abc]", 0, u"a\n", "(1,2)"}, SpanCase{u"[a-c-e]", 0, u"x-", "(1,2)"},
        SpanCase{u"[a-c-e]", 0, u"d", "none"}, SpanCase{u"[]a]", 0, u"a]", "none"},
        SpanCase{u"[[:digit:]x]", 0, u"-7", "(1,2)"}, SpanCase{u"[[:digit:]x]", 0, u"x", "(0,1)"},
        SpanCase{u"[^[:digit:]]", 0, u"7x", "(1,2)"}, SpanCase{u"[:digit:]", 0, u"a7", "(1,2)"},
        SpanCase{u"[:^alpha:]", 0, u"a1", "(1,2)"}, SpanCase{u"[[:foo:]]", 0, u"xo", "(1,2)"},
        SpanCase{u"[a-c]", IGNORE_CASE, u"B", "(0,1)"}, SpanCase{u"[K]", IGNORE_CASE, u"k", "(0,1)"},
        SpanCase{u"[[:upper:]]", IGNORE_CASE, u"k", "none"},
        SpanCase{u".", 0, u"\n\r", "(1,2)"}, SpanCase{u".", DOT_ALL, u"\n", "(0,1)"},
        SpanCase{u"\\s", 0, u"\f\t", "(1,2)"}, SpanCase{u"\\w", 0, u"\u00E9_", "(1,2)"},
        SpanCase{u"\\d", 0, u"\u0661x5", "(2,3)"}, SpanCase{u"[\\x41-\\x5A]+", 0, u"aBCd", "(1,3)"}));

}  // namespace
}  // namespace engine
