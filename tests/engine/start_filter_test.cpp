// The start filter and the repetition shortcuts must never change a result:
// every pattern here is searched from every start position with and without
// them, and the two searches must agree span for span.
#include <gtest/gtest.h>

#include "engine/compiled_pattern.h"
#include "engine/flags.h"

namespace engine {
namespace {

struct Pattern {
  const char16_t* text;
  uint32_t flags;
};

const Pattern kPatterns[] = {
    {u"[\\w\\.+-]+@[\\w\\.-]+\\.[\\w\\.-]+", 0},
    {u"[\\w]+://[^/\\s?#]+[^\\s?#]+(?:\\?[^\\s#]*)?(?:#[^\\s]*)?", 0},
    {u"(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9])\\.){3}(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9])",
     0},
    {u"a+b", 0},
    {u"a+a", 0},           // next item overlaps the body: no shortcut allowed
    {u"[ab]+c|b", 0},
    {u"\\d+(?=x)", 0},     // look-ahead after the repetition
    {u"\\d+\\b", 0},
    {u"(\\w+)@", 0},
    {u"x*y", 0},           // optional start: y may begin
    {u"(?:ab)+c", 0},
    {u"Ab+c", IGNORE_CASE},
    {u"[a-c]+D", IGNORE_CASE},
    {u"^ab", 0},
    {u"^ab", LINE_ANCHORS},
    {u"\\Aa|^b", 0},
    {u"(a)|\\1b", 0},
    {u"(?<=a)b+", 0},
    {u"a(?R)?b", 0},
    {u"(?>a+)b", 0},
    {u"a++b", 0},
    {u"a{2,}+a", 0},
    {u"(?(1)a|b)+c", 0},
    {u"\\Gab", GLOBAL},
    {u"a*", 0},
    {u"", 0},
    {u"b+a", RIGHT_TO_LEFT},
    {u"[^x]+x", 0},
    {u"\\s+\\S", 0},
    {u"[\\x{100}-\\x{200}]+a", 0},
};

const char16_t* const kSubjects[] = {
    u"mail a.b+c@d-e.fg and x@y.z;",
    u"see http://x.org/p?q=1#f and ftp://h/a b",
    u"ip 1.22.255.4, 256.1.1.1 and 199.99.9.19",
    u"aaab aab ab b abc bbc cab",
    u"12x 34 5x6 AbBc ABBBC aBd",
    u"ab\nab\r\nbab aaabbb",
    u"xxy y xyx",
    u"  \t\n x\x150\x1FFa",
    u"",
};

TEST(StartFilter, ResultsEqualTheUnfilteredSearch) {
  for (const Pattern& p : kPatterns) {
    const std::u16string pattern = p.text;
    auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), p.flags);
    if (pattern.empty()) continue;  // no tree to compare
    ASSERT_NE(compiled, nullptr);
    for (const char16_t* subjectText : kSubjects) {
      const std::u16string subject = subjectText;
      const int length = static_cast<int>(subject.size());
      for (int start = -1; start <= length + 1; ++start) {
        MatchResult filtered = compiled->MatchAt(subject.data(), length, start);
        MatchResult plain = RunMatchAt(compiled->root, compiled->flags, compiled->maxGroupNumber,
                                       nullptr, subject.data(), length, start);
        ASSERT_EQ(filtered, plain) << "pattern #" << (&p - kPatterns) << " start " << start
                                   << " subject #" << (&subjectText - kSubjects);
      }
    }
  }
}

struct FilterFacts {
  const char16_t* pattern;
  uint32_t flags;
  bool enabled;
  bool anchored;
  bool givesUp;
  std::u16string mayStart;
  std::u16string mayNotStart;
};

class StartFilterFacts : public ::testing::TestWithParam<FilterFacts> {};

TEST_P(StartFilterFacts, AsAnalysed) {
  const FilterFacts& f = GetParam();
  const std::u16string pattern = f.pattern;
  auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), f.flags);
  ASSERT_NE(compiled, nullptr);
  const StartFilter& filter = compiled->startFilter;
  EXPECT_EQ(filter.enabled, f.enabled);
  EXPECT_EQ(filter.anchoredAtStart, f.anchored);
  EXPECT_EQ(!filter.giveUpAfterLongest.empty(), f.givesUp);
  if (!filter.enabled || filter.anchoredAtStart) return;
  for (char16_t u : f.mayStart) EXPECT_TRUE(filter.MayStartWith(u)) << int(u);
  for (char16_t u : f.mayNotStart) EXPECT_FALSE(filter.MayStartWith(u)) << int(u);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, StartFilterFacts,
    ::testing::Values(
        FilterFacts{u"[\\w]+://", 0, true, false, true, u"a_9Z", u":/ -"},
        FilterFacts{u"[\\w\\.+-]+@x", 0, true, false, true, u".+-a", u"@"},
        FilterFacts{u"a+a", 0, true, false, false, u"a", u"b"},
        FilterFacts{u"x*y", 0, true, false, true, u"xy", u"z"},
        FilterFacts{u"ab", IGNORE_CASE, true, false, false, u"aA", u"bB"},
        FilterFacts{u"(?:a|b?)c", 0, true, false, false, u"abc", u"d"},
        FilterFacts{u"(?=z)a", 0, true, false, false, u"a", u"z"},
        FilterFacts{u"a*", 0, false, false, false, u"", u""},
        FilterFacts{u"\\1a", 0, false, false, false, u"", u""},
        FilterFacts{u"a(?R)?", 0, true, false, false, u"a", u"b"},
        FilterFacts{u"(?R)a", 0, false, false, false, u"", u""},
        FilterFacts{u"^a", 0, true, true, false, u"", u""},
        FilterFacts{u"(^a|\\Ab)", 0, true, true, false, u"", u""},
        FilterFacts{u"^a", LINE_ANCHORS, true, false, false, u"a", u"b"},
        FilterFacts{u"ab", RIGHT_TO_LEFT, false, false, false, u"", u""}),
    [](const ::testing::TestParamInfo<FilterFacts>& info) {
      return "Pattern" + std::to_string(info.index);
    });

}  // namespace
}  // namespace engine
