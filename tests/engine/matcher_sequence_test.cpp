// Literal runs, sequences, alternatives, anchors, "\G" and the search driver,
// on hand-built trees.
#include <gtest/gtest.h>

#include "engine/flags.h"
#include "support/element_arena.h"

namespace engine::testing {
namespace {

class SequenceSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SequenceSearch, FindsExpectedSpans) {
  const SearchCase& c = GetParam();
  ElementArena arena;
  EXPECT_EQ(Search(c.tree(arena), c.subject, c.start, c.flags, c.maxGroup), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, SequenceSearch,
    ::testing::Values(
        SearchCase{"EmptySubjectTriesZeroOnly",
                   [](ElementArena& a) { return a.Star(a.Str(u"x")); }, u"", 0, 0, 0, {0, 0}},
        SearchCase{"NegativeStartBecomesZero", [](ElementArena& a) { return a.Str(u"a"); },
                   u"ab", -5, 0, 0, {0, 1}},
        SearchCase{"StartBeyondLengthFindsNothing",
                   [](ElementArena& a) { return a.Empty(); }, u"ab", 3, 0, 0, kNoMatch},
        SearchCase{"StartAtLengthTriesTheEnd", [](ElementArena& a) { return a.Empty(); },
                   u"ab", 2, 0, 0, {2, 2}},
        SearchCase{"RightToLeftStartBeyondLengthStartsAtLength",
                   [](ElementArena& a) { return a.Str(u"b", 1); }, u"ab", 7, RIGHT_TO_LEFT, 0,
                   {1, 2}},
        SearchCase{"RightToLeftNegativeStartStartsAtLength",
                   [](ElementArena& a) { return a.Str(u"a", 1); }, u"aba", -1, RIGHT_TO_LEFT,
                   0, {2, 3}},
        SearchCase{"RightToLeftFromZeroTriesZeroOnly",
                   [](ElementArena& a) { return a.Str(u"a", 1); }, u"a", 0, RIGHT_TO_LEFT, 0,
                   kNoMatch},
        SearchCase{"RightToLeftSearchesTowardsZero",
                   [](ElementArena& a) { return a.Str(u"ab", 1); }, u"abxab", 4,
                   RIGHT_TO_LEFT, 0, {0, 2}},
        SearchCase{"FirstWayNotLongest",
                   [](ElementArena& a) { return a.Alt({a.Str(u"a"), a.Str(u"ab")}); }, u"ab",
                   0, 0, 0, {0, 1}},
        SearchCase{"LeftmostStartWins", [](ElementArena& a) { return a.Str(u"b"); }, u"abcb",
                   0, 0, 0, {1, 2}},
        SearchCase{"UntouchedGroupAfterUsedOne",
                   [](ElementArena& a) {
                     return a.Seq({a.Group(1, a.Str(u"a")),
                                   a.Alt({a.Group(2, a.Str(u"x")), a.Group(3, a.Str(u"b"))})});
                   },
                   u"ab", 0, 0, 3, {0, 2, 0, 1, -1, -1, 1, 2}}),
    CaseName<SearchCase>);

INSTANTIATE_TEST_SUITE_P(
    Literals, SequenceSearch,
    ::testing::Values(
        SearchCase{"FromInside", [](ElementArena& a) { return a.Str(u"abc"); }, u"xabcx", 1,
                   0, 0, {1, 4}},
        SearchCase{"PastTheMatch", [](ElementArena& a) { return a.Str(u"abc"); }, u"xabcx", 2,
                   0, 0, kNoMatch},
        SearchCase{"NotPastTheEnd", [](ElementArena& a) { return a.Str(u"ab"); }, u"xa", 1, 0,
                   0, kNoMatch},
        SearchCase{"IgnoreCaseMixed", [](ElementArena& a) { return a.Str(u"aB", 0, 1); },
                   u"xAb", 0, 0, 0, {1, 3}},
        SearchCase{"IgnoreCaseUpper", [](ElementArena& a) { return a.Str(u"aB", 0, 1); }, u"AB",
                   0, 0, 0, {0, 2}},
        SearchCase{"IgnoreCaseOnlyAscii", [](ElementArena& a) { return a.Str(u"ä", 0, 1); },
                   u"Ä", 0, 0, 0, kNoMatch},
        SearchCase{"IgnoreCaseNotPunctuation",
                   [](ElementArena& a) { return a.Str(u"[", 0, 1); }, u"{", 0, 0, 0,
                   kNoMatch},
        SearchCase{"RightToLeftNaturalOrder", [](ElementArena& a) { return a.Str(u"ab", 1); },
                   u"xab", 3, RIGHT_TO_LEFT, 0, {1, 3}},
        SearchCase{"RightToLeftList",
                   [](ElementArena& a) { return a.Seq({a.Str(u"a", 1), a.Str(u"b", 1)}, 1); },
                   u"abba", 4, RIGHT_TO_LEFT, 0, {0, 2}},
        SearchCase{"ListBacktracksIntoEarlierItem",
                   [](ElementArena& a) {
                     return a.Seq({a.Alt({a.Str(u"a"), a.Str(u"ab")}), a.Str(u"c")});
                   },
                   u"abc", 0, 0, 0, {0, 3}},
        SearchCase{"EmptyListMatchesEmpty", [](ElementArena& a) { return a.Seq({}); }, u"x",
                   0, 0, 0, {0, 0}},
        SearchCase{"EmptyAlternativeBranch",
                   [](ElementArena& a) { return a.Alt({a.Str(u"a"), a.Empty()}); }, u"b", 0, 0,
                   0, {0, 0}},
        SearchCase{"NoAlternativesMatchEmpty", [](ElementArena& a) { return a.Alt({}); },
                   u"b", 0, 0, 0, {0, 0}}),
    CaseName<SearchCase>);

TEST(SearchDriver, AbsentRootFindsNothing) {
  for (const std::u16string& subject : {std::u16string(), std::u16string(u"abc")})
    EXPECT_TRUE(RunMatchAt(nullptr, 0, 0, nullptr, subject.data(),
                           static_cast<int>(subject.size()), 0)
                    .empty());
}

TEST(SearchDriver, ResultHasRoomForEveryGroup) {
  ElementArena arena;
  const std::u16string subject = u"a";
  MatchResult r = RunMatchAt(arena.Group(1, arena.Str(u"a")), 0, 3, nullptr, subject.data(), 1, 0);
  EXPECT_EQ(r, (MatchResult{1, 3, 0, 1, 0, 1, -1, -1, -1, -1}));
}

TEST(SearchDriver, RightToLeftSpansReadLeftToRight) {
  ElementArena arena;
  Element* root = arena.Group(1, arena.Str(u"ab", 1), 1);
  EXPECT_EQ(Search(root, u"xab", 3, RIGHT_TO_LEFT, 1), (Spans{1, 3, 1, 3}));
}

// ---- anchors: positions where each boundary holds

struct BoundaryCase {
  const char* name;
  int kind;
  int positive;
  std::u16string subject;
  std::vector<int> holdsAt;
};

class BoundaryPositions : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(BoundaryPositions, HoldExactlyAt) {
  const BoundaryCase& c = GetParam();
  BoundaryElement b(c.kind, c.positive);
  std::vector<int> found;
  for (int p = 0; p <= static_cast<int>(c.subject.size()); ++p) {
    Ways w = AllWays(&b, c.subject, p);
    if (!w.ends.empty()) {
      EXPECT_EQ(w.ends, std::vector<int>{p}) << "consumed at " << p;
      found.push_back(p);
    }
    EXPECT_TRUE(w.restored);
  }
  EXPECT_EQ(found, c.holdsAt);
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, BoundaryPositions,
    ::testing::Values(
        BoundaryCase{"TextStart", kTextStart, 1, u"ab", {0}},
        BoundaryCase{"TextEnd", kTextEnd, 1, u"ab\r\n", {4}},
        BoundaryCase{"TextEndBeforeFinalCrLf", kTextEndOrFinalLf, 1, u"ab\r\n", {2, 3, 4}},
        BoundaryCase{"TextEndBeforeFinalLf", kTextEndOrFinalLf, 1, u"a\nb\n", {3, 4}},
        BoundaryCase{"LineStartCrLfIsOneBreak", kLineStart, 1, u"a\r\nb", {0, 3}},
        BoundaryCase{"LineStartLoneCr", kLineStart, 1, u"a\rb", {0, 2}},
        BoundaryCase{"LineStartLoneLf", kLineStart, 1, u"a\nb", {0, 2}},
        BoundaryCase{"LineEndCrLfIsOneBreak", kLineEnd, 1, u"a\r\nb", {1, 4}},
        BoundaryCase{"LineEndLoneLf", kLineEnd, 1, u"a\nb", {1, 3}},
        BoundaryCase{"WordBoundary", kWordBoundary, 1, u"a b", {0, 1, 2, 3}},
        BoundaryCase{"NotWordBoundary", kWordBoundary, 0, u"a b", {}},
        BoundaryCase{"WordBoundaryEmptySubject", kWordBoundary, 1, u"", {}},
        BoundaryCase{"NotWordBoundaryEmptySubject", kWordBoundary, 0, u"", {0}},
        BoundaryCase{"WordUnitsAreAsciiOnly", kWordBoundary, 1, u"aé", {0, 1}},
        BoundaryCase{"NonAsciiLetterHasNoBoundary", kWordBoundary, 1, u"é", {}},
        BoundaryCase{"UnderscoreAndDigitsAreWordUnits", kWordBoundary, 1, u"_9-", {0, 2}}),
    [](const ::testing::TestParamInfo<BoundaryCase>& info) { return std::string(info.param.name); });

TEST(SearchStart, HoldsOnlyWhereTheSearchBegan) {
  ElementArena arena;
  Element* root = arena.Seq({arena.Make<SearchStartElement>(), arena.Str(u"a")});
  EXPECT_EQ(Search(root, u"aaa", 1), (Spans{1, 2}));
  EXPECT_EQ(Search(root, u"baa", 0), kNoMatch);  // does not follow the attempts
}

// ---- the order in which composite elements offer their ways

TEST(AlternativeWays, EachBranchInOrderThenRestored) {
  ElementArena arena;
  Element* alt = arena.Alt({arena.Str(u"a"), arena.Empty(), arena.Str(u"ab")});
  Ways w = AllWays(alt, u"ab", 0);
  EXPECT_EQ(w.ends, (std::vector<int>{1, 0, 2}));
  EXPECT_TRUE(w.restored);
}

TEST(ListWays, LastItemVariesFastest) {
  ElementArena arena;
  Element* list = arena.Seq({arena.Alt({arena.Str(u"a"), arena.Str(u"aa")}),
                             arena.Alt({arena.Empty(), arena.Str(u"a")})});
  Ways w = AllWays(list, u"aaa", 0);
  EXPECT_EQ(w.ends, (std::vector<int>{1, 2, 2, 3}));
  EXPECT_TRUE(w.restored);
}

}  // namespace
}  // namespace engine::testing
