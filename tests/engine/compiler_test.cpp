#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

class CompilerDumpTest : public testing::TestWithParam<DumpCase> {};

TEST_P(CompilerDumpTest, BuildsTree) {
  EXPECT_EQ(DumpPattern(GetParam().pattern, GetParam().flags), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, CompilerDumpTest,
    testing::Values(
        DumpCase{u"abc", 0, "Str(\"abc\")"},
        DumpCase{u"ab*c", 0, "List(Str(\"a\"),Greedy(0,+inf,Str(\"b\")),Str(\"c\"))"},
        DumpCase{u"a|b|c", 0, "Alt(Str(\"a\"),Str(\"b\"),Str(\"c\"))"},
        DumpCase{u"|a", 0, "Alt(Empty,Str(\"a\"))"}, DumpCase{u"a|", 0, "Alt(Str(\"a\"),Empty)"},
        DumpCase{u"a||b", 0, "Alt(Str(\"a\"),Empty,Str(\"b\"))"},
        DumpCase{u"", 0, "Empty"}, DumpCase{u")", 0, "Empty"},
        DumpCase{u"ab)cd", 0, "Str(\"ab\")"}, DumpCase{u"a|b)c|d", 0, "Alt(Str(\"a\"),Str(\"b\"))"},
        DumpCase{u"(ab", 0, "List(Mark(1),Str(\"ab\"),Mark(1,end))"},
        DumpCase{u"ab", IGNORE_CASE, "Str/i(\"ab\")"},
        DumpCase{u"a*b", RIGHT_TO_LEFT, "List/r(Greedy(0,+inf,Str/r(\"a\")),Str/r(\"b\"))"},
        DumpCase{u"(?i)ab|cd", 0, "Alt(List(Empty,Str/i(\"ab\")),Str/i(\"cd\"))"},
        DumpCase{u"\\Qa*\\E+", 0, "List(Str(\"a\"),Greedy(1,2147483646,Str(\"*\")))"},
        DumpCase{u"a\\x{2A}", 0, "Str(\"a*\")"},
        DumpCase{u"a b*", EXTENDED, "List(Str(\"a\"),Greedy(0,+inf,Str(\"b\")))"},
        DumpCase{u"a\u4E2D", 0, "Str(\"a\\u4E2D\")"}));

INSTANTIATE_TEST_SUITE_P(
    Quantifiers, CompilerDumpTest,
    testing::Values(
        DumpCase{u"a{3}", 0, "Repeat(3,Str(\"a\"))"}, DumpCase{u"a{3}?", 0, "Repeat(3,Str(\"a\"))"},
        DumpCase{u"a{3}+", 0, "Repeat(3,Str(\"a\"))"}, DumpCase{u"a{3,3}", 0, "Repeat(3,Str(\"a\"))"},
        DumpCase{u"a{2,5}?", 0, "Lazy(2,3,Str(\"a\"))"},
        DumpCase{u"a{2,}+", 0, "Possessive(2,2147483645,Str(\"a\"))"},
        DumpCase{u"a+", 0, "Greedy(1,2147483646,Str(\"a\"))"},
        DumpCase{u"a?", 0, "Greedy(0,1,Str(\"a\"))"}, DumpCase{u"a??", 0, "Lazy(0,1,Str(\"a\"))"},
        DumpCase{u"a*?", 0, "Lazy(0,+inf,Str(\"a\"))"}, DumpCase{u"a*+", 0, "Possessive(0,+inf,Str(\"a\"))"},
        DumpCase{u"a{0,}", 0, "Greedy(0,+inf,Str(\"a\"))"},
        DumpCase{u"a{0}", 0, "Empty"}, DumpCase{u"a{0,0}", 0, "Empty"}, DumpCase{u"a{}", 0, "Empty"},
        DumpCase{u"a{x}", 0, "Empty"}, DumpCase{u"a{,2}", 0, "Empty"}, DumpCase{u"a{", 0, "Empty"},
        DumpCase{u"ab{", 0, "List(Str(\"a\"),Empty)"},
        DumpCase{u"a{ 2 , 3 }", 0, "Greedy(2,1,Str(\"a\"))"},
        DumpCase{u"a{1234567}", 0, "Repeat(123456,Str(\"a\"))"},
        DumpCase{u"a{5,2}", 0, "Repeat(5,Str(\"a\"))"},
        DumpCase{u"a{2,3x}", 0, "Greedy(2,1,Str(\"a\"))"},
        // A unit above 255 ends the count's text: "{2" then nothing readable.
        DumpCase{u"a{2\u4E2D,5}", 0, "Repeat(2,Str(\"a\"))"},
        DumpCase{u"abc*", 0, "List(Str(\"ab\"),Greedy(0,+inf,Str(\"c\")))"},
        DumpCase{u"a{2}b{3}", 0, "List(Repeat(2,Str(\"a\")),Repeat(3,Str(\"b\")))"},
        DumpCase{u"a?b", 0, "List(Greedy(0,1,Str(\"a\")),Str(\"b\"))"},
        // A quantifier with nothing before it, or after a complete one, is literal text.
        DumpCase{u"*a", 0, "Str(\"*a\")"}, DumpCase{u"a|+b", 0, "Alt(Str(\"a\"),Str(\"+b\"))"},
        DumpCase{u"a**", 0, "List(Greedy(0,+inf,Str(\"a\")),Str(\"*\"))"},
        DumpCase{u"a{2}{3}", 0, "List(Repeat(2,Str(\"a\")),Str(\"{3\"),Str(\"}\"))"},
        DumpCase{u"a}", 0, "List(Str(\"a\"),Str(\"}\"))"},
        DumpCase{u"^*", 0, "Greedy(0,+inf,TextStart)"},
        DumpCase{u"(?i)+", 0, "Greedy(1,2147483646,Empty)"},
        DumpCase{u"\\d{2}", 0, "Repeat(2,Stock(7))"}));

INSTANTIATE_TEST_SUITE_P(
    Anchors, CompilerDumpTest,
    testing::Values(
        DumpCase{u"^$", 0, "List(TextStart,TextEnd)"},
        DumpCase{u"^$", LINE_ANCHORS, "List(LineStart,LineEnd)"},
        DumpCase{u"\\A\\z\\Z\\b\\B", LINE_ANCHORS,
                 "List(TextStart,TextEnd,TextEndZ,WordBoundary,NotWordBoundary)"},
        DumpCase{u"\\Ga", 0, "List(Empty,Str(\"a\"))"},
        DumpCase{u"\\Ga", GLOBAL, "List(SearchStart,Str(\"a\"))"},
        DumpCase{u"(?g)\\G", 0, "List(Empty,SearchStart)"}));

TEST(CompilerTest, StockElementsAreSharedAndOwnedOnce) {
  const std::u16string pattern = u"\\d.\\d.|";
  auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), 0);
  ASSERT_TRUE(compiled);
  EXPECT_EQ(DumpTree(*compiled), "Alt(List(Stock(7),Stock(2),Stock(7),Stock(2)),Empty)");
  // Alternative, list, two sets and the empty element.
  EXPECT_EQ(compiled->owned.size(), 5u);
  for (const Element* stock : {compiled->stock[0], compiled->stock[2], compiled->stock[7]}) {
    EXPECT_EQ(std::count_if(compiled->owned.begin(), compiled->owned.end(),
                            [&](const auto& e) { return e.get() == stock; }),
              1);
  }
  EXPECT_EQ(compiled->stock[1], nullptr);
}

TEST(CompilerTest, KeepsTheFlagsAsPassed) {
  const std::u16string pattern = u"(?i)a";
  auto compiled = CompiledPattern::Build(pattern.data(), 5, DOT_ALL | EXTENDED);
  ASSERT_TRUE(compiled);
  EXPECT_EQ(compiled->flags, DOT_ALL | EXTENDED);
  EXPECT_EQ(compiled->groupTable.at(0), compiled->root);
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

class CompilerMatchTest : public testing::TestWithParam<SpanCase> {};

TEST_P(CompilerMatchTest, FindsFirstMatch) {
  EXPECT_EQ(FirstMatchSpans(GetParam().pattern, GetParam().flags, GetParam().subject), GetParam().spans);
}

INSTANTIATE_TEST_SUITE_P(
    Degrading, CompilerMatchTest,
    testing::Values(
        SpanCase{u"ab{", 0, u"ab", "(0,1)"}, SpanCase{u"ab{,3}", 0, u"abbb", "(0,1)"},
        SpanCase{u"a{0}", 0, u"a", "(0,0)"}, SpanCase{u"xa{}y", 0, u"xy", "(0,2)"},
        SpanCase{u"a{x}b", 0, u"b", "(0,1)"}, SpanCase{u"a{,2}", 0, u"aa", "(0,0)"},
        SpanCase{u"a{ 2 , 3 }", 0, u"aaaa", "(0,3)"}, SpanCase{u"a{5,2}", 0, u"aaaaaa", "(0,5)"},
        SpanCase{u"a**", 0, u"aa*", "(0,3)"}, SpanCase{u"a{2}{3}", 0, u"aa{3}", "(0,5)"},
        SpanCase{u"*a", 0, u"b*a", "(1,3)"}, SpanCase{u"a|+b", 0, u"+b", "(0,2)"},
        SpanCase{u"ab)cd", 0, u"abcd", "(0,2)"}, SpanCase{u"(ab", 0, u"xab", "(1,3)(1,3)"},
        SpanCase{u"(?i)ab|cd", 0, u"CD", "(0,2)"}, SpanCase{u"(?i)ab|cd", 0, u"aB", "(0,2)"},
        SpanCase{u"\\Ga", 0, u"ba", "(1,2)"}, SpanCase{u"\\Ga", GLOBAL, u"ba", "none"},
        SpanCase{u"a{3}?", 0, u"aaaa", "(0,3)"}, SpanCase{u"a{2,5}?", 0, u"aaaa", "(0,2)"},
        SpanCase{u"a{2,}+a", 0, u"aaaa", "none"}, SpanCase{u"abc*", 0, u"abcc", "(0,4)"},
        SpanCase{u"\\Qa.b\\E", 0, u"axb a.b", "(4,7)"}, SpanCase{u"a b", EXTENDED, u"a b ab", "(4,6)"}));

TEST(CompilerTest, DeepNestingFailsCleanly) {
  const int depth = 100000;
  const std::u16string kinds[] = {u"(", u"(?:", u"[[:", u"(?=", u"(?(", u"(a*"};
  for (const std::u16string& open : kinds) {
    std::u16string pattern;
    for (int i = 0; i < depth; i++) pattern += open;
    EXPECT_EQ(DumpPattern(pattern), "null") << Narrow(open);
  }
  std::u16string mixed;
  for (int i = 0; i < depth; i++) mixed += (i % 3 == 0) ? u"(" : (i % 3 == 1) ? u"[[:" : u"(?>";
  EXPECT_EQ(DumpPattern(mixed), "null");
}

TEST(CompilerTest, NestingUpToTheLimitCompilesAndMatches) {
  const int depth = kMaxNestingDepth;
  std::u16string pattern;
  for (int i = 0; i < depth; i++) pattern += u"(";
  pattern += u"a*";
  for (int i = 1; i < depth; i++) pattern += u")";
  pattern += u")+";
  auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), 0);
  ASSERT_TRUE(compiled);
  EXPECT_EQ(compiled->maxGroupNumber, depth);
  const std::u16string subject = u"aa";
  bool aborted = true;
  const MatchResult result = compiled->MatchAt(subject.data(), 2, 0, &aborted);
  EXPECT_FALSE(aborted);
  ASSERT_FALSE(result.empty());
  EXPECT_EQ(result[2], 0);
  EXPECT_EQ(result[3], 2);
  EXPECT_EQ(result[2 + 2 * depth], 0);  // the innermost group
  EXPECT_EQ(result[3 + 2 * depth], 2);

  pattern.insert(0, u"(");
  pattern += u")";
  EXPECT_EQ(DumpPattern(pattern), "null");
}

TEST(CompilerTest, RecursionInsideDeepNestingCompiles) {
  std::u16string pattern;
  for (int i = 0; i < kMaxNestingDepth - 1; i++) pattern += u"(?:";
  pattern += u"a(?R)?b(?1)(?R<x>)(?<x>c)";
  auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), 0);
  ASSERT_TRUE(compiled);
  ASSERT_EQ(compiled->recursions.size(), 3u);
  EXPECT_EQ(compiled->recursions[0]->target, compiled->root);
  EXPECT_EQ(compiled->recursions[1]->target, compiled->groupTable[1]);
  EXPECT_EQ(compiled->recursions[2]->target, compiled->groupTable[1]);
}

}  // namespace
}  // namespace engine
