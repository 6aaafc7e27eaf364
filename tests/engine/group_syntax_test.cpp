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

std::unique_ptr<CompiledPattern> Compile(const std::u16string& pattern, uint32_t flags = 0) {
  return CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), flags);
}

struct DumpCase {
  std::u16string pattern;
  uint32_t flags;
  std::string dump;
};

void PrintTo(const DumpCase& c, std::ostream* os) { *os << Narrow(c.pattern) << " flags " << c.flags; }

class GroupDumpTest : public testing::TestWithParam<DumpCase> {};

TEST_P(GroupDumpTest, BuildsTree) {
  EXPECT_EQ(DumpPattern(GetParam().pattern, GetParam().flags), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, GroupDumpTest,
    testing::Values(
        DumpCase{u"(a)(b(c))", 0,
                 "List(List(Mark(1),Str(\"a\"),Mark(1,end)),List(Mark(2),List(Str(\"b\"),"
                 "List(Mark(3),Str(\"c\"),Mark(3,end))),Mark(2,end)))"},
        DumpCase{u"()", 0, "List(Mark(1),Empty,Mark(1,end))"},
        DumpCase{u"(a)", RIGHT_TO_LEFT, "List/r(Mark(1,end),Str/r(\"a\"),Mark(1))"},
        DumpCase{u"(?:ab)", 0, "Str(\"ab\")"},
        DumpCase{u"(?<x>a)", 0, "List(Mark(1,\"x\"),Str(\"a\"),Mark(1,end))"},
        DumpCase{u"(?'x'a)", 0, "List(Mark(1,\"x\"),Str(\"a\"),Mark(1,end))"},
        DumpCase{u"(?P<x>a)", 0, "List(Mark(1,\"x\"),Str(\"a\"),Mark(1,end))"},
        DumpCase{u"(?P'x'a)", 0, "List(Mark(1,\"x\"),Str(\"a\"),Mark(1,end))"},
        DumpCase{u"(?<7>a)", 0, "List(Mark(7),Str(\"a\"),Mark(7,end))"},
        DumpCase{u"(?< 7 >a)", 0, "List(Mark(7),Str(\"a\"),Mark(7,end))"},
        DumpCase{u"(?<1234567>a)", 0, "List(Mark(1,\"1234567\"),Str(\"a\"),Mark(1,end))"},
        // A name without its terminator takes the rest of the pattern.
        DumpCase{u"(?<ab)c", 0, "List(Mark(1,\"ab)c\"),Empty,Mark(1,end))"},
        DumpCase{u"(?P=name)x", 0, "List(Mark(1,\"name)x\"),Empty,Mark(1,end))"},
        DumpCase{u"(?=ab)", 0, "Assert(Str(\"ab\"))"}, DumpCase{u"(?!a)", 0, "NotAssert(Str(\"a\"))"},
        DumpCase{u"(?<=ab)", 0, "Assert(Str/r(\"ab\"))"},
        DumpCase{u"(?<!a)", 0, "NotAssert(Str/r(\"a\"))"},
        DumpCase{u"(?=ab)", RIGHT_TO_LEFT, "Assert(Str(\"ab\"))"},
        DumpCase{u"(?<=a(b))", 0,
                 "Assert(List/r(Str/r(\"a\"),List/r(Mark(1,end),Str/r(\"b\"),Mark(1))))"},
        DumpCase{u"(?>a|b)", 0, "Atomic(Alt(Str(\"a\"),Str(\"b\")))"},
        DumpCase{u"(?>)", 0, "Atomic(Empty)"}));

INSTANTIATE_TEST_SUITE_P(
    InlineOptions, GroupDumpTest,
    testing::Values(
        DumpCase{u"(?i:ab)", 0, "Str/i(\"ab\")"},
        DumpCase{u"x(?i:a)b", 0, "List(Str(\"x\"),Str/i(\"a\"),Str(\"b\"))"},
        DumpCase{u"a(?i)b|c", 0, "Alt(List(Str(\"a\"),Empty,Str/i(\"b\")),Str/i(\"c\"))"},
        DumpCase{u"(a(?i)b)c", 0,
                 "List(List(Mark(1),List(Str(\"a\"),Empty,Str/i(\"b\")),Mark(1,end)),Str(\"c\"))"},
        DumpCase{u"(?i-i)a", 0, "List(Empty,Str(\"a\"))"},
        DumpCase{u"(?-i)a", IGNORE_CASE, "List(Empty,Str(\"a\"))"},
        DumpCase{u"(?I)a", 0, "List(Empty,Str/i(\"a\"))"},
        DumpCase{u"(?sm).$", 0, "List(Empty,Stock(1),LineEnd)"},
        DumpCase{u"(?xq)a", 0, "List(Empty,Str(\"a\"))"},
        DumpCase{u"(?&name)a", 0, "List(Empty,Str(\"a\"))"},
        DumpCase{u"(?i(ab))", 0, "List(Mark(1),Str/i(\"ab\"),Mark(1,end))"},
        DumpCase{u"(?i", 0, "Empty"}, DumpCase{u"(? i)a", 0, "List(Empty,Str/i(\"a\"))"}));

INSTANTIATE_TEST_SUITE_P(
    Backrefs, GroupDumpTest,
    testing::Values(
        DumpCase{u"(a)\\1", 0, "List(List(Mark(1),Str(\"a\"),Mark(1,end)),Ref(1))"},
        DumpCase{u"(a)\\1", IGNORE_CASE | RIGHT_TO_LEFT,
                 "List/r(List/r(Mark(1,end),Str/ri(\"a\"),Mark(1)),Ref/ri(1))"},
        DumpCase{u"\\12", 0, "Ref(12)"}, DumpCase{u"\\1234", 0, "List(Ref(123),Str(\"4\"))"},
        DumpCase{u"\\0", 0, "Ref(0)"}, DumpCase{u"\\k", 0, "Ref(0)"},
        DumpCase{u"\\k2", 0, "Ref(2)"}, DumpCase{u"\\g2", 0, "Ref(2)"},
        DumpCase{u"\\1*", 0, "Greedy(0,+inf,Ref(1))"},
        DumpCase{u"\\k<n>(?<n>a)", 0, "List(Ref(1,\"n\"),List(Mark(1,\"n\"),Str(\"a\"),Mark(1,end)))"},
        DumpCase{u"\\k'N'(?<n>a)", 0, "List(Ref(1,\"N\"),List(Mark(1,\"n\"),Str(\"a\"),Mark(1,end)))"},
        DumpCase{u"\\g<n>(?<n>a)", 0, "List(Ref(1,\"n\"),List(Mark(1,\"n\"),Str(\"a\"),Mark(1,end)))"},
        DumpCase{u"\\k<zz>", 0, "Ref(-3,\"zz\")"}, DumpCase{u"\\k< 3 >", 0, "Ref(3)"}));

INSTANTIATE_TEST_SUITE_P(
    Conditionals, GroupDumpTest,
    testing::Values(
        DumpCase{u"(?(1)a|b)", 0, "Cond(1,-,Str(\"a\"),Str(\"b\"))"},
        DumpCase{u"(?( 2 )a)", 0, "Cond(2,-,Str(\"a\"),-)"},
        DumpCase{u"(?(1)a|b|c)", 0, "Cond(1,-,Str(\"a\"),Alt(Str(\"b\"),Str(\"c\")))"},
        DumpCase{u"(?(x)a|b)", 0, "Cond(-1,Assert(Str(\"x\")),Str(\"a\"),Str(\"b\"))"},
        DumpCase{u"(?<x>c)(?(X)a|b)", 0,
                 "List(List(Mark(1,\"x\"),Str(\"c\"),Mark(1,end)),Cond(1,-,Str(\"a\"),Str(\"b\")))"},
        DumpCase{u"(?(?=a)ab|cd)", 0, "Cond(-1,Assert(Str(\"a\")),Str(\"ab\"),Str(\"cd\"))"},
        DumpCase{u"(?(?<!a)b)", 0, "Cond(-1,NotAssert(Str/r(\"a\")),Str(\"b\"),-)"},
        // An option in the yes branch does not reach the no branch.
        DumpCase{u"(?(1)(?i)a|b)", 0, "Cond(1,-,List(Empty,Str/i(\"a\")),Str(\"b\"))"},
        DumpCase{u"(?(1", 0, "Cond(1,-,Empty,-)"}));

INSTANTIATE_TEST_SUITE_P(
    Recursion, GroupDumpTest,
    testing::Values(
        DumpCase{u"(?R)", 0, "Recurse(0,->root)"}, DumpCase{u"(?0)", 0, "Recurse(0,->root)"},
        DumpCase{u"(?R0)", 0, "Recurse(0,->root)"},
        DumpCase{u"a(?R)?b", 0, "List(Str(\"a\"),Greedy(0,1,Recurse(0,->root)),Str(\"b\"))"},
        DumpCase{u"(a)(?1)", 0, "List(List(Mark(1),Str(\"a\"),Mark(1,end)),Recurse(1,->1))"},
        DumpCase{u"(? 1x)(a)", 0, "List(Recurse(1,->1),List(Mark(1),Str(\"a\"),Mark(1,end)))"},
        DumpCase{u"(?3)(a)(b)", 0,
                 "List(Recurse(3,->none),List(Mark(1),Str(\"a\"),Mark(1,end)),List(Mark(2),Str(\"b\"),"
                 "Mark(2,end)))"},
        DumpCase{u"(?R2)(a)(b)", 0,
                 "List(Recurse(2,->2),List(Mark(1),Str(\"a\"),Mark(1,end)),List(Mark(2),Str(\"b\"),"
                 "Mark(2,end)))"},
        DumpCase{u"(?R<x>)(?<x>a)", 0, "List(Recurse(1,\"x\",->1),List(Mark(1,\"x\"),Str(\"a\"),Mark(1,end)))"},
        DumpCase{u"(?R 'x')(?<x>a)", 0,
                 "List(Recurse(1,\"x\",->1),List(Mark(1,\"x\"),Str(\"a\"),Mark(1,end)))"},
        DumpCase{u"(?R'1')(a)", 0, "List(Recurse(1,->1),List(Mark(1),Str(\"a\"),Mark(1,end)))"},
        DumpCase{u"(?R<zz>)", 0, "Recurse(-3,\"zz\",->none)"}));

struct TableCase {
  std::u16string pattern;
  int maxGroupNumber;
  int namedGroupCount;
  std::vector<int> numbers;  // opening-marker numbers of groupTable[1..]
};

TEST(GroupSyntaxTest, NumbersGroupsAndFillsTables) {
  const TableCase cases[] = {
      {u"(a)(b(c))", 3, 0, {1, 2, 3}},
      {u"(?<x>a)(b)(?<y>c)(?<X>d)", 3, 3, {1, 2, 3, 2}},
      {u"(?<7>a)", 7, 1, {7}},
      {u"(?:ab)", 0, 0, {}},
      {u"(?<a>(?<b>x))(c)", 3, 2, {1, 2, 3}},
      {u"(?<x>a)(?<7>b)(?<y>c)", 7, 3, {1, 7, 2}},
      {u"(?<2>a)(b)(c)", 2, 1, {1, 2, 2}},
      {u"(?=(a))(?(?=(b))c)(?>(d))", 3, 0, {1, 2, 3}},
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(Narrow(c.pattern));
    auto compiled = Compile(c.pattern);
    ASSERT_TRUE(compiled);
    EXPECT_EQ(compiled->maxGroupNumber, c.maxGroupNumber);
    EXPECT_EQ(compiled->namedGroupCount, c.namedGroupCount);
    EXPECT_EQ(compiled->groupTableSize, static_cast<int>(c.numbers.size()) + 1);
    ASSERT_GE(compiled->groupTable.size(), c.numbers.size() + 1);
    EXPECT_EQ(compiled->groupTable[0], compiled->root);
    std::vector<int> numbers;
    for (size_t i = 1; i <= c.numbers.size(); i++) {
      const auto* list = dynamic_cast<const ListElement*>(compiled->groupTable[i]);
      ASSERT_NE(list, nullptr);
      numbers.push_back(static_cast<const GroupMarkerElement*>(list->items[0])->groupNumber);
    }
    EXPECT_EQ(numbers, c.numbers);
    EXPECT_EQ(compiled->namedGroups.size(), static_cast<size_t>(c.namedGroupCount));
  }
}

TEST(GroupSyntaxTest, FindsGroupNumbersByName) {
  auto compiled = Compile(u"(a)(?<first>b)(?<Second>c)(?<FIRST>d)");
  ASSERT_TRUE(compiled);
  EXPECT_EQ(compiled->FindGroupNumber(u"first"), 2);
  EXPECT_EQ(compiled->FindGroupNumber(u"First"), 2);
  EXPECT_EQ(compiled->FindGroupNumber(u"second"), 3);
  EXPECT_EQ(compiled->FindGroupNumber(u"third"), -1);
  EXPECT_EQ(compiled->FindGroupNumber(u"firs"), -1);
}

TEST(GroupSyntaxTest, ListsReferencesByName) {
  auto compiled = Compile(u"\\k<a>\\k<b>(?(a)x)(?(c)y)(?R<a>)(?2)(?<a>z)");
  ASSERT_TRUE(compiled);
  ASSERT_EQ(compiled->namedBackrefs.size(), 2u);
  EXPECT_EQ(compiled->namedBackrefs[0]->groupNumber, 1);
  EXPECT_EQ(compiled->namedBackrefs[1]->groupNumber, -3);
  ASSERT_EQ(compiled->namedConditions.size(), 2u);
  EXPECT_EQ(compiled->namedConditions[0]->groupNumber, 1);
  EXPECT_EQ(compiled->namedConditions[0]->condition, nullptr);
  EXPECT_EQ(compiled->namedConditions[1]->groupNumber, -1);
  EXPECT_NE(compiled->namedConditions[1]->condition, nullptr);
  ASSERT_EQ(compiled->recursions.size(), 2u);
  EXPECT_EQ(compiled->recursions[0]->target, compiled->groupTable[1]);
  EXPECT_EQ(compiled->recursions[1]->target, nullptr);
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

class GroupMatchTest : public testing::TestWithParam<SpanCase> {};

TEST_P(GroupMatchTest, FindsFirstMatch) {
  EXPECT_EQ(FirstMatchSpans(GetParam().pattern, GetParam().flags, GetParam().subject), GetParam().spans);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupMatchTest,
    testing::Values(
        SpanCase{u"(?:ab)+", 0, u"abab", "(0,4)"},
        SpanCase{u"x(?i:a)b", 0, u"xAb", "(0,3)"}, SpanCase{u"x(?i:a)b", 0, u"xAB", "none"},
        SpanCase{u"a(?i)b|c", 0, u"aB", "(0,2)"}, SpanCase{u"a(?i)b|c", 0, u"C", "(0,1)"},
        SpanCase{u"a(?i)b|c", 0, u"AB", "none"},
        SpanCase{u"(?=ab)a", 0, u"ab", "(0,1)"}, SpanCase{u"(?=ab)a", 0, u"ac", "none"},
        SpanCase{u"(?<=a)b", 0, u"ab", "(1,2)"}, SpanCase{u"(?<!a)b", 0, u"cb", "(1,2)"},
        SpanCase{u"(?<!a)b", 0, u"ab", "none"}, SpanCase{u"(?<=(a))b", 0, u"ab", "(1,2)(0,1)"},
        SpanCase{u"(?<x>a)(b)(?<y>c)(?<X>d)", 0, u"abcd", "(0,4)(1,2)(3,4)(2,3)"},
        SpanCase{u"(?<a>(?<b>x))", 0, u"x", "(0,1)(0,1)(0,1)"},
        SpanCase{u"(?<n>a)\\k'n'", 0, u"aa", "(0,2)(0,1)"},
        SpanCase{u"(?<n>a)\\g<N>", 0, u"aa", "(0,2)(0,1)"},
        SpanCase{u"(?<n>a)\\k<zz>", 0, u"aa", "none"},
        SpanCase{u"(x)?(?(1)a|b)", 0, u"xa", "(0,2)(0,1)"},
        SpanCase{u"(x)?(?(1)a|b)", 0, u"b", "(0,1)(-1,-1)"},
        SpanCase{u"(?<x>c)?(?(x)a|b)", 0, u"ca", "(0,2)(0,1)"},
        SpanCase{u"(?(x)xa|b)", 0, u"xa", "(0,2)"}, SpanCase{u"(?(x)xa|b)", 0, u"b", "(0,1)"},
        SpanCase{u"(?(?=a)ab|cd)", 0, u"cd", "(0,2)"}, SpanCase{u"(?(?=a)ab|cd)", 0, u"ab", "(0,2)"},
        SpanCase{u"a(?R)?b", 0, u"aabb", "(0,4)"},
        SpanCase{u"(a)(?3)b", 0, u"ab", "(0,2)(0,1)"},
        SpanCase{u"(?<x>a(?R<x>)?b)", 0, u"aabb", "(0,4)(0,4)"},
        SpanCase{u"(?1)(a)", 0, u"aa", "(0,2)(1,2)"},
        SpanCase{u"(?>a*)a", 0, u"aaa", "none"}, SpanCase{u"(a)\\1", IGNORE_CASE, u"aA", "(0,2)(0,1)"}));

}  // namespace
}  // namespace engine
