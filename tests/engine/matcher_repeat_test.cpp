// Repetitions on hand-built trees: the order of the ends each kind reports,
// and whole searches for the cases where empty iterations and the greedy
// repetition's remembered ends decide the result.
#include <gtest/gtest.h>

#include "engine/flags.h"
#include "support/element_arena.h"

namespace engine::testing {
namespace {

class RepeatWays : public ::testing::TestWithParam<WaysCase> {};

TEST_P(RepeatWays, EndsInOrderThenRestored) {
  const WaysCase& c = GetParam();
  ElementArena arena;
  Ways w = AllWays(c.tree(arena), c.subject, c.start, 3);
  EXPECT_EQ(w.ends, c.ends);
  EXPECT_TRUE(w.restored) << "position or stacks not put back after the last way";
}

Element* AbOrAOrB(ElementArena& a) {
  return a.Group(1, a.Alt({a.Str(u"ab"), a.Str(u"a"), a.Str(u"b")}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RepeatWays,
    ::testing::Values(
        WaysCase{"GreedyLongestFirst", [](ElementArena& a) { return a.Star(a.Str(u"a")); },
                 u"aaa", 0, {3, 2, 1, 0}},
        WaysCase{"GreedyUpperBound", [](ElementArena& a) { return a.Star(a.Str(u"a"), 0, 2); },
                 u"aaa", 0, {2, 1, 0}},
        WaysCase{"GreedyMinimumNotGivenBack",
                 [](ElementArena& a) { return a.Star(a.Str(u"a"), 2, 1); }, u"aaaa", 0, {3, 2}},
        WaysCase{"GreedyMinimumUnmet", [](ElementArena& a) { return a.Star(a.Str(u"a"), 2); },
                 u"a", 0, {}},
        WaysCase{"GreedyThenNextWayOfMandatoryPart",
                 [](ElementArena& a) {
                   return a.Star(a.Alt({a.Str(u"a"), a.Str(u"b")}), 1, 1);
                 },
                 u"ab", 0, {2, 1}},
        WaysCase{"GreedyMandatoryPartBacktracks",
                 [](ElementArena& a) {
                   return a.Star(a.Alt({a.Str(u"aa"), a.Str(u"a")}), 1, 1);
                 },
                 u"aaa", 0, {3, 2, 3, 2, 1}},
        // "ab","b" ends at 3; after "a" the re-extension "b","b" would end at
        // 3 again, so the repetition reports "a" alone (1) instead.
        WaysCase{"GreedySkipsEndAlreadyReported",
                 [](ElementArena& a) { return a.Star(AbOrAOrB(a)); }, u"abb", 0, {3, 2, 1, 0}},
        // The other way of the only iteration is empty: the optional part
        // is given up without reporting zero iterations.
        WaysCase{"GreedyEmptyOtherWayGivesUp",
                 [](ElementArena& a) { return a.Star(a.Alt({a.Str(u"a"), a.Empty()})); }, u"ab",
                 0, {1}},
        WaysCase{"GreedyEmptyFirstWayReplaced",
                 [](ElementArena& a) { return a.Star(a.Alt({a.Empty(), a.Str(u"a")})); }, u"aa",
                 0, {2, 1, 0}},
        WaysCase{"GreedyOnlyEmptyIterationNotCounted",
                 [](ElementArena& a) { return a.Star(a.Star(a.Str(u"a"))); }, u"b", 0, {0}},
        WaysCase{"LazyFewestFirst", [](ElementArena& a) { return a.Lazy(a.Str(u"a")); }, u"aaa",
                 0, {0, 1, 2, 3}},
        WaysCase{"LazyBounded", [](ElementArena& a) { return a.Lazy(a.Str(u"a"), 2, 1); },
                 u"aaaa", 0, {2, 3}},
        WaysCase{"LazyRetriesNewestIteration",
                 [](ElementArena& a) {
                   return a.Lazy(a.Alt({a.Str(u"a"), a.Str(u"ab")}), 0, 2);
                 },
                 u"abab", 0, {0, 1, 2, 3, 4}},
        WaysCase{"LazySkipsEmptyIteration",
                 [](ElementArena& a) { return a.Lazy(a.Alt({a.Empty(), a.Str(u"a")})); }, u"aa",
                 0, {0, 1, 2}},
        WaysCase{"PossessiveOneWay", [](ElementArena& a) { return a.Possessive(a.Str(u"a")); },
                 u"aaa", 0, {3}},
        WaysCase{"PossessiveMinimumUnmet",
                 [](ElementArena& a) { return a.Possessive(a.Str(u"a"), 4); }, u"aaa", 0, {}},
        WaysCase{"FixedCountBacktracksBetweenIterations",
                 [](ElementArena& a) {
                   return a.Times(a.Alt({a.Str(u"ab"), a.Str(u"a")}), 2);
                 },
                 u"abab", 0, {4, 3}},
        WaysCase{"FixedCountTooFew", [](ElementArena& a) { return a.Times(a.Str(u"a"), 2); },
                 u"ab", 0, {}}),
    CaseName<WaysCase>);

class RepeatSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(RepeatSearch, FindsExpectedSpans) {
  const SearchCase& c = GetParam();
  ElementArena arena;
  EXPECT_EQ(Search(c.tree(arena), c.subject, c.start, c.flags, c.maxGroup), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, RepeatSearch,
    ::testing::Values(
        SearchCase{"LazyThenLiteral",  // a*?b
                   [](ElementArena& a) { return a.Seq({a.Lazy(a.Str(u"a")), a.Str(u"b")}); },
                   u"aaab", 0, 0, 0, {0, 4}},
        SearchCase{"FixedTwo", [](ElementArena& a) { return a.Times(a.Str(u"a"), 2); }, u"aaa",
                   0, 0, 0, {0, 2}},
        SearchCase{"LazyTwoToThree", [](ElementArena& a) { return a.Lazy(a.Str(u"a"), 2, 1); },
                   u"aaaa", 0, 0, 0, {0, 2}},
        SearchCase{"GreedyTwoToThree",
                   [](ElementArena& a) { return a.Star(a.Str(u"a"), 2, 1); }, u"aaaa", 0, 0, 0,
                   {0, 3}},
        SearchCase{"PossessiveKeepsAll",  // a*+a
                   [](ElementArena& a) {
                     return a.Seq({a.Possessive(a.Str(u"a")), a.Str(u"a")});
                   },
                   u"aaa", 0, 0, 0, kNoMatch},
        SearchCase{"PossessiveThenOther",  // a*+b
                   [](ElementArena& a) {
                     return a.Seq({a.Possessive(a.Str(u"a")), a.Str(u"b")});
                   },
                   u"aab", 0, 0, 0, {0, 3}},
        SearchCase{"PossessiveDropsCapturesWhenBacktracked",  // (?:(a)++x|a)
                   [](ElementArena& a) {
                     return a.Alt({a.Seq({a.Possessive(a.Group(1, a.Str(u"a")), 1),
                                          a.Str(u"x")}),
                                   a.Str(u"a")});
                   },
                   u"aa", 0, 0, 1, {0, 1, -1, -1}},
        SearchCase{"NestedStarsTerminate",  // (a*)*
                   [](ElementArena& a) { return a.Star(a.Group(1, a.Star(a.Str(u"a")))); }, u"b",
                   0, 0, 1, {0, 0, -1, -1}},
        SearchCase{"EmptyBranchStarThenAb",  // (a|)*ab
                   [](ElementArena& a) {
                     return a.Seq({a.Star(a.Group(1, a.Alt({a.Str(u"a"), a.Empty()}))),
                                   a.Str(u"ab")});
                   },
                   u"ab", 0, 0, 1, kNoMatch},
        SearchCase{"TriedEndsMoveTheMatch",  // (ab|a|b)*\1
                   [](ElementArena& a) { return a.Seq({a.Star(AbOrAOrB(a)), a.Ref(1)}); },
                   u"abb", 0, 0, 1, {1, 3, 1, 2}},
        SearchCase{"EmptyFirstWayReplaced",  // (|a)*
                   [](ElementArena& a) {
                     return a.Star(a.Group(1, a.Alt({a.Empty(), a.Str(u"a")})));
                   },
                   u"aa", 0, 0, 1, {0, 2, 1, 2}},
        SearchCase{"GroupReportsLastIteration",  // (a)*
                   [](ElementArena& a) { return a.Star(a.Group(1, a.Str(u"a"))); }, u"aa", 0, 0,
                   1, {0, 2, 1, 2}},
        SearchCase{"BacktrackedIterationDropsItsCapture",  // (a)*ab
                   [](ElementArena& a) {
                     return a.Seq({a.Star(a.Group(1, a.Str(u"a"))), a.Str(u"ab")});
                   },
                   u"aaab", 0, 0, 1, {0, 4, 1, 2}},
        SearchCase{"RightToLeftGreedy",
                   [](ElementArena& a) {
                     return a.Seq({a.Str(u"x", 1), a.Star(a.Str(u"a", 1))}, 1);
                   },
                   u"xaab", 3, RIGHT_TO_LEFT, 0, {0, 3}}),
    CaseName<SearchCase>);

}  // namespace
}  // namespace engine::testing
