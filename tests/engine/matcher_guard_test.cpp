// The native stack guard: trees nested far deeper than any stack allows must
// end the search with an empty result and the aborted flag, never a crash;
// trees within the compiler's nesting limit must match normally.
#include <gtest/gtest.h>

#include "engine/compiled_pattern.h"
#include "support/element_arena.h"

namespace engine::testing {
namespace {

constexpr int kHugeDepth = 100000;

enum class Shape { kLists, kQuantifiedGroups, kAlternatives, kLookAheads, kRecursionInside };

// `depth` levels of one shape around the literal "a". kRecursionInside is
// (((...(b(?R)|a)...))): every "b" of the subject re-enters the whole depth.
Element* Nest(ElementArena& a, Shape shape, int depth) {
  RecursionElement* call = nullptr;
  Element* e = a.Str(u"a");
  if (shape == Shape::kRecursionInside) {
    call = a.Make<RecursionElement>(nullptr, 0);
    e = a.Alt({a.Seq({a.Str(u"b"), call}), e});
  }
  for (int i = 0; i < depth; ++i) {
    switch (shape) {
      case Shape::kLists:
        e = a.Seq({e, a.Empty()});
        break;
      case Shape::kQuantifiedGroups:
        e = a.Star(a.Group(1, e), 1);
        break;
      case Shape::kAlternatives:
        e = a.Alt({a.Str(u"x"), e});
        break;
      case Shape::kLookAheads:
        e = a.Seq({a.Make<AssertElement>(e, 1), a.Str(u"a")});
        break;
      case Shape::kRecursionInside:
        e = a.Group(1, e);
        break;
    }
  }
  if (call) call->target = e;
  return e;
}

struct GuardCase {
  const char* name;
  Shape shape;
};

class StackGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(StackGuard, HugeDepthAbortsCleanly) {
  ElementArena arena;
  Element* root = Nest(arena, GetParam().shape, kHugeDepth);
  const std::u16string subject = u"aa";
  bool aborted = false;
  MatchResult r = RunMatchAt(root, 0, 1, nullptr, subject.data(), 2, 0, &aborted);
  EXPECT_TRUE(aborted);
  EXPECT_TRUE(r.empty());
}

TEST_P(StackGuard, ModestDepthMatches) {
  ElementArena arena;
  Element* root = Nest(arena, GetParam().shape, 500);
  const std::u16string subject = u"aa";
  bool aborted = true;
  MatchResult r = RunMatchAt(root, 0, 1, nullptr, subject.data(), 2, 0, &aborted);
  EXPECT_FALSE(aborted);
  ASSERT_FALSE(r.empty());
  EXPECT_EQ(r[2], 0);
}

INSTANTIATE_TEST_SUITE_P(Shapes, StackGuard,
                         ::testing::Values(GuardCase{"Lists", Shape::kLists},
                                           GuardCase{"QuantifiedGroups", Shape::kQuantifiedGroups},
                                           GuardCase{"Alternatives", Shape::kAlternatives},
                                           GuardCase{"LookAheads", Shape::kLookAheads}),
                         CaseName<GuardCase>);

TEST(StackGuard, RecursionMultipliesTheDepth) {
  ElementArena arena;
  Element* root = Nest(arena, Shape::kRecursionInside, 500);
  bool aborted = true;
  const std::u16string few = u"bbba";
  EXPECT_FALSE(RunMatchAt(root, 0, 1, nullptr, few.data(), 4, 0, &aborted).empty());
  EXPECT_FALSE(aborted);
  // 99 open calls of 500 levels each: far beyond any native stack.
  const std::u16string many = std::u16string(99, u'b') + u"a";
  EXPECT_TRUE(RunMatchAt(root, 0, 1, nullptr, many.data(), 100, 0, &aborted).empty());
  EXPECT_TRUE(aborted);
}

TEST(StackGuard, AbortedSearchCanBeFollowedByAnother) {
  ElementArena arena;
  Element* deep = Nest(arena, Shape::kLists, kHugeDepth);
  const std::u16string subject = u"a";
  bool aborted = false;
  EXPECT_TRUE(RunMatchAt(deep, 0, 0, nullptr, subject.data(), 1, 0, &aborted).empty());
  EXPECT_TRUE(aborted);
  EXPECT_FALSE(RunMatchAt(arena.Str(u"a"), 0, 0, nullptr, subject.data(), 1, 0, &aborted).empty());
  EXPECT_FALSE(aborted);
}

// Patterns at the compiler's nesting limit, each call recursing through all
// of it, stay within the guard's budget.
TEST(StackGuard, CompilerNestingLimitFitsTheBudget) {
  const int depth = kMaxNestingDepth - 1;
  struct Wrap {
    const char16_t* open;
    const char16_t* close;
  };
  for (Wrap w : {Wrap{u"(", u")"}, Wrap{u"(?:", u")"}, Wrap{u"(", u")*"}, Wrap{u"(?=", u")a"},
                 Wrap{u"(?>", u")+"}}) {
    std::u16string pattern;
    for (int i = 0; i < depth; ++i) pattern += w.open;
    pattern += u"a";
    for (int i = 0; i < depth; ++i) pattern += w.close;
    auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), 0);
    ASSERT_NE(compiled, nullptr) << std::string(w.open, w.open + 1);
    const std::u16string subject = u"baa";
    bool aborted = true;
    MatchResult r = compiled->MatchAt(subject.data(), 3, 0, &aborted);
    EXPECT_FALSE(aborted) << "pattern opened with " << char(w.open[0]) << " x" << depth;
    EXPECT_FALSE(r.empty());
  }
}

}  // namespace
}  // namespace engine::testing
