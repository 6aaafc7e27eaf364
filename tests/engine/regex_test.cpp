// Regex and SearchResult: how SearchAll collects matches, what results report,
// and that results outlive the object and the subject that made them.
#include "engine/regex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "engine/flags.h"

namespace engine {
namespace {

using Spans = std::vector<std::pair<int, int>>;

Spans MatchSpans(const SearchResults& results) {
  Spans spans;
  for (const auto& r : results) spans.emplace_back(r->GetMatchStart(), r->GetMatchEnd());
  return spans;
}

struct CollectCase {
  const char16_t* pattern;
  uint32_t flags;
  const char16_t* subject;
  int start;
  Spans expected;
};

class SearchAllCollects : public ::testing::TestWithParam<CollectCase> {};

TEST_P(SearchAllCollects, Spans) {
  const CollectCase& c = GetParam();
  auto regex = Regex::Create();
  ASSERT_TRUE(regex);
  ASSERT_EQ(regex->CompileUtf16(c.pattern, c.flags), 1);
  EXPECT_EQ(MatchSpans(regex->SearchAllUtf16(c.subject, c.start)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Regex, SearchAllCollects,
    ::testing::Values(
        CollectCase{u"a*", 0, u"aab", 0, {{0, 2}}},
        // The first match is empty at 0: nothing is kept.
        CollectCase{u"x*", 0, u"abc", 0, {}},
        // An empty match further on is kept once.
        CollectCase{u"(?=b)", 0, u"ab", 0, {{1, 1}}},
        CollectCase{u"a|(?=c)", 0, u"abc", 0, {{0, 1}, {2, 2}}},
        // Non-empty matches are collected up to the empty one at the previous end.
        CollectCase{u"a*", 0, u"aabaa", 0, {{0, 2}}},
        CollectCase{u"\\d+", 0, u"a1b22", 0, {{1, 2}, {3, 5}}},
        CollectCase{u"a|ab", 0, u"abab", 0, {{0, 1}, {2, 3}}},
        CollectCase{u"ab", IGNORE_CASE, u"xAbaB", 0, {{1, 3}, {3, 5}}},
        CollectCase{u"b", 0, u"abcb", 2, {{3, 4}}},
        CollectCase{u"a", 0, u"aaa", 4, {}},
        // A negative start right after Compile continues at 0.
        CollectCase{u"a", 0, u"aba", -1, {{0, 1}, {2, 3}}},
        // Right to left the second search finds the first match again.
        CollectCase{u"a", RIGHT_TO_LEFT, u"aaa", 3, {{2, 3}}},
        CollectCase{u"a", RIGHT_TO_LEFT, u"aaa", 0, {}},
        // Code units, not characters: a surrogate pair is two positions.
        CollectCase{u"b", 0, u"\U0001F600b", 0, {{2, 3}}}));

TEST(Regex, EmptyPatternDoesNotCompileAndSearchesNothing) {
  auto regex = Regex::Create();
  EXPECT_EQ(regex->CompileUtf16(u""), 0);
  EXPECT_TRUE(regex->SearchAllUtf16(u"abc").empty());
  EXPECT_EQ(regex->Compile(""), 0);
  EXPECT_EQ(regex->Compile(static_cast<const char*>(nullptr)), 0);
  EXPECT_TRUE(regex->SearchAll("abc").empty());
}

TEST(Regex, CompileReleasesThePreviousSubject) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"a");
  EXPECT_EQ(regex->SearchAllUtf16(u"a").size(), 1u);
  regex->CompileUtf16(u"a");
  EXPECT_TRUE(regex->SearchAll(nullptr).empty());
}

TEST(Regex, SearchWithoutTextReusesThePreviousSubject) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"\\d");
  EXPECT_EQ(regex->SearchAllUtf16(u"1a2").size(), 2u);
  Spans again = MatchSpans(regex->SearchAll(nullptr, 1));
  EXPECT_EQ(again, (Spans{{2, 3}}));
}

TEST(Regex, EmptySubjectTextLeavesNoSubject) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"x*");
  EXPECT_TRUE(regex->SearchAllUtf16(u"").empty());
  EXPECT_TRUE(regex->SearchAll("").empty());
}

TEST(Regex, NegativeStartContinuesWhereTheLastSearchEnded) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"(?=b)");
  EXPECT_EQ(MatchSpans(regex->SearchAllUtf16(u"ab")), (Spans{{1, 1}}));
  // The search that ended the collection found (1,1) again: continue there.
  EXPECT_EQ(regex->NextStart(), 1);
  EXPECT_EQ(MatchSpans(regex->SearchAll(nullptr, -1)), (Spans{{1, 1}}));

  regex->CompileUtf16(u"z");
  EXPECT_TRUE(regex->SearchAllUtf16(u"ab").empty());
  EXPECT_EQ(regex->NextStart(), -1);
  EXPECT_TRUE(regex->SearchAll(nullptr, -1).empty());
}

TEST(SearchResult, GroupsThatTookNoPartAndGroupsThatDoNotExist) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"a(x)?b");
  SearchResults results = regex->SearchAllUtf16(u"ab");
  ASSERT_EQ(results.size(), 1u);
  const SearchResult& r = *results[0];
  EXPECT_EQ(r.GetGroupCount(), 1);
  EXPECT_EQ(r.GetMatchText(), "ab");
  struct {
    int group;
    int start, end;
  } cases[] = {{0, 0, 2}, {1, -1, -1}, {2, -1, -1}, {-1, -1, -1}, {1000, -1, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(r.GetGroupStart(c.group), c.start) << c.group;
    EXPECT_EQ(r.GetGroupEnd(c.group), c.end) << c.group;
    if (c.group != 0) EXPECT_EQ(r.GetGroupText(c.group), "") << c.group;
  }
}

TEST(SearchResult, GroupCountIsThePatternsWhicheverGroupsTookPart) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"(a)|(b)(c)?");
  SearchResults results = regex->SearchAllUtf16(u"ab");
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0]->GetGroupCount(), 3);
  EXPECT_EQ(results[1]->GetGroupCount(), 3);
  EXPECT_EQ(results[0]->GetGroupText(1), "a");
  EXPECT_EQ(results[0]->GetGroupStart(2), -1);
  EXPECT_EQ(results[1]->GetGroupStart(1), -1);
  EXPECT_EQ(results[1]->GetGroupText(2), "b");
  EXPECT_EQ(results[1]->GetGroupEnd(3), -1);
}

TEST(SearchResult, GroupTextByNumberOfAnyType) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"(a)(b)");
  SearchResults results = regex->SearchAllUtf16(u"ab");
  ASSERT_EQ(results.size(), 1u);
  const SearchResult& r = *results[0];
  struct {
    long double group;
    const char* text;
  } cases[] = {
      {1.9L, "a"},   {2.0L, "b"},  {-0.5L, "ab"},  // truncated toward zero
      {2.999L, "b"}, {3.0L, ""},   {-1.0L, ""},
      {1e300L, ""},  {-1e300L, ""},  // beyond int: no such group, no overflow
  };
  for (const auto& c : cases) EXPECT_EQ(r.GetGroupText(c.group), c.text) << static_cast<double>(c.group);
  EXPECT_EQ(r.GetGroupText(1.9f), "a");
  EXPECT_EQ(r.GetGroupText(std::numeric_limits<double>::quiet_NaN()), "");
  EXPECT_EQ(r.GetGroupText(static_cast<long long>(1) << 32 | 1), "");
  EXPECT_EQ(r.GetGroupText(static_cast<short>(2)), "b");
  EXPECT_EQ(r.GetGroupText(2u), "b");
}

TEST(SearchResult, GroupTextByName) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"(?<year>\\d+)-(?<Month>\\d+)|(?<x>z)");
  SearchResults results = regex->SearchAllUtf16(u"on 2024-05");
  ASSERT_EQ(results.size(), 1u);
  const SearchResult& r = *results[0];
  struct {
    const char* name;
    const char* text;
  } cases[] = {{"year", "2024"}, {"YEAR", "2024"}, {"month", "05"}, {"x", ""},
               {"yea", ""},      {"years", ""},    {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(r.GetGroupText(c.name), c.text) << c.name;
  EXPECT_EQ(r.GetGroupText(static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(r.FindGroupNumber(u"Year"), 1);
  EXPECT_EQ(r.FindGroupNumber(u"MONTH"), 2);
  EXPECT_EQ(r.FindGroupNumber(u"nope"), -3);
}

TEST(SearchResult, NamesSharedWithoutCaseShareANumber) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"(?<x>a)(b)(?<y>c)(?<X>d)");
  SearchResults results = regex->SearchAllUtf16(u"abcd");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0]->GetGroupCount(), 3);
  EXPECT_EQ(results[0]->FindGroupNumber(u"X"), 2);
  EXPECT_EQ(results[0]->GetGroupText("y"), "c");
  EXPECT_EQ(results[0]->GetGroupText(1), "b");
}

// Memory per result: the results of a search share one source and so one
// copy of the subject, however many there are.
TEST(SearchResult, ResultsOfASubjectShareOneSource) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"\\w");
  SearchResults first = regex->SearchAllUtf16(u"abc");
  ASSERT_EQ(first.size(), 3u);
  ASSERT_NE(first[0]->Source(), nullptr);
  EXPECT_EQ(first[1]->Source(), first[0]->Source());
  EXPECT_EQ(first[2]->Source(), first[0]->Source());
  EXPECT_EQ(*first[0]->Source()->subjectText, u"abc");

  SearchResults again = regex->SearchAll(nullptr, 1);
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0]->Source(), first[0]->Source());

  SearchResults other = regex->SearchAllUtf16(u"de");
  ASSERT_EQ(other.size(), 2u);
  EXPECT_NE(other[0]->Source(), first[0]->Source());
  EXPECT_EQ(*first[0]->Source()->subjectText, u"abc");
  EXPECT_EQ(first[2]->GetMatchText(), "c");
}

// Results hold the source they came from, not the Regex's current state.
TEST(SearchResult, OutlivesLaterSearchesRecompilesAndTheRegex) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"(?<w>[a-z]+)");
  SearchResults first = regex->SearchAllUtf16(u"one two");
  ASSERT_EQ(first.size(), 2u);

  SearchResults second = regex->SearchAllUtf16(u"three");
  regex->CompileUtf16(u"(?<v>\\d)", IGNORE_CASE);
  SearchResults third = regex->SearchAllUtf16(u"7");
  regex.reset();

  EXPECT_EQ(first[0]->GetMatchText(), "one");
  EXPECT_EQ(first[1]->GetGroupText("w"), "two");
  EXPECT_EQ(first[1]->GetGroupText("v"), "");
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0]->GetGroupText("W"), "three");
  ASSERT_EQ(third.size(), 1u);
  EXPECT_EQ(third[0]->GetGroupText("v"), "7");
  EXPECT_EQ(third[0]->GetGroupText("w"), "");
}

TEST(SearchResult, TextIsTheUtf16SpanForUtf16Callers) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"(.)(.)");
  SearchResults results = regex->SearchAllUtf16(u"\u4E2D\u6587");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0]->GetGroupTextUtf16(0), u"\u4E2D\u6587");
  EXPECT_EQ(results[0]->GetGroupTextUtf16(2), u"\u6587");
  EXPECT_EQ(results[0]->GetGroupTextUtf16(3), u"");
}

// A subject with a NUL in it is searched whole through the UTF-16 entry point.
TEST(Regex, Utf16SubjectKeepsEmbeddedNul) {
  auto regex = Regex::Create();
  regex->CompileUtf16(u"b");
  std::u16string subject(u"a\0b", 3);
  EXPECT_EQ(MatchSpans(regex->SearchAllUtf16(subject)), (Spans{{2, 3}}));
}

// Recursion through deep nesting trips the matcher's stack guard: that
// search ends as "no match" and SearchAll keeps what it found before it.
TEST(Regex, AbortedSearchKeepsTheEarlierMatches) {
  std::u16string pattern = std::u16string(1500, u'(') + u"a(?R)?" + std::u16string(1500, u')');
  auto regex = Regex::Create();
  ASSERT_EQ(regex->CompileUtf16(pattern), 1);
  SearchResults results = regex->SearchAllUtf16(u"xa " + std::u16string(200, u'a'));
  EXPECT_TRUE(regex->Aborted());
  EXPECT_EQ(MatchSpans(results), (Spans{{1, 2}}));
  EXPECT_EQ(regex->NextStart(), -1);

  results = regex->SearchAllUtf16(u"a a");
  EXPECT_FALSE(regex->Aborted());
  EXPECT_EQ(MatchSpans(results), (Spans{{0, 1}, {2, 3}}));
}

// The lookup by name compiles the source again, with the flags of the search.
TEST(Regex, FlagsAreKeptForTheLazyNameLookup) {
  auto regex = Regex::Create();
  // Under EXTENDED "#" starts a comment that hides the group named b.
  regex->CompileUtf16(u"(?<a>x)#(?<b>y)", EXTENDED);
  EXPECT_EQ(regex->Flags(), EXTENDED);
  SearchResults results = regex->SearchAllUtf16(u"x");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0]->GetGroupText("a"), "x");
  EXPECT_EQ(results[0]->FindGroupNumber(u"b"), -3);
}

}  // namespace
}  // namespace engine
