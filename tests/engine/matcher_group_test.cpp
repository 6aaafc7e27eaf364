// Captures, back-references, look-around, atomic groups, conditionals and
// recursion on hand-built trees.
#include <gtest/gtest.h>

#include "engine/flags.h"
#include "support/element_arena.h"

namespace engine::testing {
namespace {

class GroupSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(GroupSearch, FindsExpectedSpans) {
  const SearchCase& c = GetParam();
  ElementArena arena;
  EXPECT_EQ(Search(c.tree(arena), c.subject, c.start, c.flags, c.maxGroup), c.expected);
}

Element* Ahead(ElementArena& a, Element* body, int positive = 1) {
  return a.Make<AssertElement>(body, positive);
}
Element* Atomic(ElementArena& a, Element* body) { return a.Make<IndependentElement>(body); }

INSTANTIATE_TEST_SUITE_P(
    Captures, GroupSearch,
    ::testing::Values(
        SearchCase{"GroupNotTakingPart",  // (a)|b
                   [](ElementArena& a) { return a.Alt({a.Group(1, a.Str(u"a")), a.Str(u"b")}); },
                   u"b", 0, 0, 1, {0, 1, -1, -1}},
        SearchCase{"Backref",  // (a)\1
                   [](ElementArena& a) { return a.Seq({a.Group(1, a.Str(u"a")), a.Ref(1)}); },
                   u"aa", 0, 0, 1, {0, 2, 0, 1}},
        SearchCase{"BackrefCaseSensitive",
                   [](ElementArena& a) { return a.Seq({a.Group(1, a.Str(u"a")), a.Ref(1)}); },
                   u"aA", 0, 0, 1, kNoMatch},
        SearchCase{"BackrefIgnoreCase",
                   [](ElementArena& a) {
                     return a.Seq({a.Group(1, a.Str(u"a", 0, 1)), a.Ref(1, 0, 1)});
                   },
                   u"aA", 0, 0, 1, {0, 2, 0, 1}},
        SearchCase{"BackrefBeforeGroupFails",  // \1(a)
                   [](ElementArena& a) { return a.Seq({a.Ref(1), a.Group(1, a.Str(u"a"))}); },
                   u"aa", 0, 0, 1, kNoMatch},
        SearchCase{"BackrefInsideOpenGroup",  // (a\1)
                   [](ElementArena& a) { return a.Group(1, a.Seq({a.Str(u"a"), a.Ref(1)})); },
                   u"aa", 0, 0, 1, {0, 2, 0, 2}},
        SearchCase{"BackrefToEmptyCapture",  // (a*)\1b
                   [](ElementArena& a) {
                     return a.Seq({a.Group(1, a.Star(a.Str(u"a"))), a.Ref(1), a.Str(u"b")});
                   },
                   u"b", 0, 0, 1, {0, 1, 0, 0}},
        SearchCase{"BackrefUnknownGroup",
                   [](ElementArena& a) { return a.Alt({a.Ref(-3), a.Ref(7)}); }, u"", 0, 0, 0,
                   kNoMatch},
        SearchCase{"BackrefRightToLeft",  // \1(a) matched leftwards
                   [](ElementArena& a) {
                     return a.Seq({a.Ref(1, 1), a.Group(1, a.Str(u"a", 1), 1)}, 1);
                   },
                   u"aa", 2, RIGHT_TO_LEFT, 1, {0, 2, 1, 2}},
        SearchCase{"BackrefNotPastTheEnd",
                   [](ElementArena& a) {
                     return a.Seq({a.Group(1, a.Str(u"ab")), a.Ref(1)});
                   },
                   u"aba", 0, 0, 1, kNoMatch}),
    CaseName<SearchCase>);

INSTANTIATE_TEST_SUITE_P(
    LookAround, GroupSearch,
    ::testing::Values(
        SearchCase{"CaptureInLookAheadStays",  // (?=(a))a\1
                   [](ElementArena& a) {
                     return a.Seq({Ahead(a, a.Group(1, a.Str(u"a"))), a.Str(u"a"), a.Ref(1)});
                   },
                   u"aa", 0, 0, 1, {0, 2, 0, 1}},
        SearchCase{"CaptureDroppedWhenBacktrackedOver",  // (?:(?=(a))x|a)
                   [](ElementArena& a) {
                     return a.Alt({a.Seq({Ahead(a, a.Group(1, a.Str(u"a"))), a.Str(u"x")}),
                                   a.Str(u"a")});
                   },
                   u"a", 0, 0, 1, {0, 1, -1, -1}},
        SearchCase{"NegativeLookAhead",  // a(?!b)
                   [](ElementArena& a) {
                     return a.Seq({a.Str(u"a"), Ahead(a, a.Str(u"b"), 0)});
                   },
                   u"abac", 0, 0, 0, {2, 3}},
        SearchCase{"LookBehind",  // (?<=a)b
                   [](ElementArena& a) {
                     return a.Seq({Ahead(a, a.Str(u"a", 1)), a.Str(u"b")});
                   },
                   u"ab", 0, 0, 0, {1, 2}},
        SearchCase{"NegativeLookBehindFails",  // (?<!a)b
                   [](ElementArena& a) {
                     return a.Seq({Ahead(a, a.Str(u"a", 1), 0), a.Str(u"b")});
                   },
                   u"ab", 0, 0, 0, kNoMatch},
        SearchCase{"NegativeLookBehindHolds",
                   [](ElementArena& a) {
                     return a.Seq({Ahead(a, a.Str(u"a", 1), 0), a.Str(u"b")});
                   },
                   u"cb", 0, 0, 0, {1, 2}},
        SearchCase{"LookBehindOfVariableLength",  // (?<=a+)b
                   [](ElementArena& a) {
                     return a.Seq({Ahead(a, a.Star(a.Str(u"a", 1), 1)), a.Str(u"b")});
                   },
                   u"aaab", 0, 0, 0, {3, 4}},
        SearchCase{"LookBehindAlternativesOfDifferentLengths",  // (?<=xy|z)c
                   [](ElementArena& a) {
                     return a.Seq({Ahead(a, a.Alt({a.Str(u"xy", 1), a.Str(u"z", 1)})),
                                   a.Str(u"c")});
                   },
                   u"ycxyc", 0, 0, 0, {4, 5}},
        SearchCase{"LookBehindAtTextStartFails",
                   [](ElementArena& a) {
                     return a.Seq({Ahead(a, a.Str(u"a", 1)), a.Str(u"a")});
                   },
                   u"a", 0, 0, 0, kNoMatch},
        SearchCase{"AtomicKeepsFirstWay",  // (?>a*)a
                   [](ElementArena& a) {
                     return a.Seq({Atomic(a, a.Star(a.Str(u"a"))), a.Str(u"a")});
                   },
                   u"aaa", 0, 0, 0, kNoMatch},
        SearchCase{"AtomicAlternation",  // (?>a|ab)c
                   [](ElementArena& a) {
                     return a.Seq({Atomic(a, a.Alt({a.Str(u"a"), a.Str(u"ab")})), a.Str(u"c")});
                   },
                   u"abc", 0, 0, 0, kNoMatch},
        SearchCase{"AtomicDropsCapturesWhenBacktrackedOver",  // (?:(?>(a))x|a)
                   [](ElementArena& a) {
                     return a.Alt({a.Seq({Atomic(a, a.Group(1, a.Str(u"a"))), a.Str(u"x")}),
                                   a.Str(u"a")});
                   },
                   u"a", 0, 0, 1, {0, 1, -1, -1}}),
    CaseName<SearchCase>);

Element* Cond(ElementArena& a, int group, Element* condition, Element* yes, Element* no) {
  return a.Make<ConditionalElement>(group, condition, yes, no);
}

// (a)?(?(1)b|c)
Element* OptionalThenCondition(ElementArena& a) {
  return a.Seq({a.Star(a.Group(1, a.Str(u"a")), 0, 1),
                Cond(a, 1, nullptr, a.Str(u"b"), a.Str(u"c"))});
}

INSTANTIATE_TEST_SUITE_P(
    Conditionals, GroupSearch,
    ::testing::Values(
        SearchCase{"GroupTookPart", OptionalThenCondition, u"ab", 0, 0, 1, {0, 2, 0, 1}},
        SearchCase{"GroupDidNot", OptionalThenCondition, u"c", 0, 0, 1, {0, 1, -1, -1}},
        SearchCase{"AssertionYes",  // (?(?=a)ab|cd)
                   [](ElementArena& a) {
                     return Cond(a, -1, Ahead(a, a.Str(u"a")), a.Str(u"ab"), a.Str(u"cd"));
                   },
                   u"ab", 0, 0, 0, {0, 2}},
        SearchCase{"AssertionNo",
                   [](ElementArena& a) {
                     return Cond(a, -1, Ahead(a, a.Str(u"a")), a.Str(u"ab"), a.Str(u"cd"));
                   },
                   u"xcd", 0, 0, 0, {1, 3}},
        SearchCase{"AbsentBranchMatchesEmpty",
                   [](ElementArena& a) {
                     return a.Seq({Cond(a, 1, nullptr, a.Str(u"b"), nullptr), a.Str(u"x")});
                   },
                   u"x", 0, 0, 1, {0, 1, -1, -1}},
        SearchCase{"NoConditionIsTrue",
                   [](ElementArena& a) { return Cond(a, -1, nullptr, a.Str(u"y"), a.Str(u"n")); },
                   u"ny", 0, 0, 0, {1, 2}},
        SearchCase{"BranchBacktracksWithoutReevaluating",  // (?(?=a)a*|x)ab
                   [](ElementArena& a) {
                     return a.Seq({Cond(a, -1, Ahead(a, a.Str(u"a")), a.Star(a.Str(u"a")),
                                        a.Str(u"x")),
                                   a.Str(u"ab")});
                   },
                   u"aaab", 0, 0, 0, {0, 4}}),
    CaseName<SearchCase>);

// ---- recursion

// a(?R)?b: root = a, optional call of root, b.
Element* BalancedRoot(ElementArena& a) {
  auto* call = a.Make<RecursionElement>(nullptr, 0);
  Element* root = a.Seq({a.Str(u"a"), a.Star(call, 0, 1), a.Str(u"b")});
  call->target = root;
  return root;
}

// (a(?1)?b): group 1 calls itself.
Element* BalancedGroup(ElementArena& a) {
  auto* call = a.Make<RecursionElement>(nullptr, 1);
  ListElement* group = a.Group(1, a.Seq({a.Str(u"a"), a.Star(call, 0, 1), a.Str(u"b")}));
  call->target = group;
  return group;
}

std::u16string Balanced(int n) {
  return std::u16string(n, u'a') + std::u16string(n, u'b');
}

INSTANTIATE_TEST_SUITE_P(
    Recursion, GroupSearch,
    ::testing::Values(
        SearchCase{"OneCall", BalancedRoot, u"aabb", 0, 0, 0, {0, 4}},
        SearchCase{"BudgetLetsNoHundredAndFirstCall", BalancedRoot, Balanced(102), 0, 0, 0,
                   {1, 203}},
        SearchCase{"HundredCallsFit", BalancedRoot, Balanced(101), 0, 0, 0, {0, 202}},
        SearchCase{"ReenteredGroupKeepsOuterSpan", BalancedGroup, u"aabb", 0, 0, 1,
                   {0, 4, 0, 4}},
        SearchCase{"CallAfterCloseMakesNewRecord",  // (a)(?1)
                   [](ElementArena& a) {
                     ListElement* group = a.Group(1, a.Str(u"a"));
                     return a.Seq({group, a.Make<RecursionElement>(group, 1)});
                   },
                   u"aa", 0, 0, 1, {0, 2, 1, 2}},
        SearchCase{"NoTargetMatchesEmpty",
                   [](ElementArena& a) {
                     return a.Seq({a.Make<RecursionElement>(nullptr, 9), a.Str(u"x")});
                   },
                   u"x", 0, 0, 0, {0, 1}},
        SearchCase{"CallIsBacktrackedInto",  // (a|ab)(?1)c
                   [](ElementArena& a) {
                     ListElement* group = a.Group(1, a.Alt({a.Str(u"a"), a.Str(u"ab")}));
                     return a.Seq({group, a.Make<RecursionElement>(group, 1), a.Str(u"c")});
                   },
                   u"aabc", 0, 0, 1, {0, 4, 1, 3}}),
    CaseName<SearchCase>);

TEST(GroupWays, MarkersUndoTheirRecords) {
  ElementArena arena;
  Element* star = arena.Star(arena.Group(1, arena.Alt({arena.Str(u"a"), arena.Str(u"ab")})));
  Ways w = AllWays(star, u"aab", 0, 1);
  EXPECT_EQ(w.ends, (std::vector<int>{2, 3, 1, 0}));
  EXPECT_TRUE(w.restored);
}

TEST(GroupWays, RecursionRestoresBudget) {
  ElementArena arena;
  Element* root = BalancedRoot(arena);
  MatchContext ctx;
  ctx.stackBase = static_cast<const char*>(__builtin_frame_address(0));
  const std::u16string s = Balanced(3);
  ctx.subject = s.data();
  ctx.subjectLength = static_cast<int>(s.size());
  ctx.captureIndex.GrowTo(1, 0);
  for (int v : {0, 0, -1, -1}) ctx.captureStack.Push(v);
  ASSERT_TRUE(root->Match(ctx));
  EXPECT_EQ(ctx.currentPos, 6);
  EXPECT_EQ(ctx.recursionBudget, kRecursionBudget);
  while (root->MatchNext(ctx)) EXPECT_EQ(ctx.recursionBudget, kRecursionBudget);
  EXPECT_EQ(ctx.recursionBudget, kRecursionBudget);
  EXPECT_EQ(ctx.backtrackStack.Length(), 0);
}

}  // namespace
}  // namespace engine::testing
