// Set elements: membership by ranges, chars and nested classes, negation,
// direction and the subject's edges; the POSIX class table.
#include <gtest/gtest.h>

#include "engine/char_classes.h"
#include "support/element_arena.h"

namespace engine::testing {
namespace {

struct SetCase {
  const char* name;
  std::function<Element*(ElementArena&)> set;
  std::u16string admitted;
  std::u16string rejected;
};

class SetMembership : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetMembership, AdmitsAndRejects) {
  const SetCase& c = GetParam();
  ElementArena arena;
  Element* set = c.set(arena);
  for (char16_t u : c.admitted) {
    Ways w = AllWays(set, std::u16string(1, u), 0);
    EXPECT_EQ(w.ends, std::vector<int>{1}) << "should admit U+" << std::hex << int(u);
    EXPECT_TRUE(w.restored);
  }
  for (char16_t u : c.rejected)
    EXPECT_TRUE(AllWays(set, std::u16string(1, u), 0).ends.empty())
        << "should reject U+" << std::hex << int(u);
}

Element* Posix(ElementArena& a, CharClassifier f, int positive = 1) {
  return a.Make<PosixClassElement>(f, 0, positive);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, SetMembership,
    ::testing::Values(
        SetCase{"Chars", [](ElementArena& a) { return a.Set(u"abc"); }, u"abc", u"dA\n"},
        SetCase{"NegatedChars", [](ElementArena& a) { return a.Set(u"abc", u"", 0); }, u"d\n\r",
                u"abc"},
        SetCase{"RangeAndChars", [](ElementArena& a) { return a.Set(u"-e", u"a-c"); },
                u"abc-e", u"d"},
        SetCase{"ReversedRangeAdmitsNothing", [](ElementArena& a) { return a.Set(u"", u"z-a"); },
                u"", u"amz"},
        SetCase{"EmptySetMatchesNothing", [](ElementArena& a) { return a.Set(u""); }, u"",
                u"a\n"},
        SetCase{"EmptyNegatedSetMatchesAll", [](ElementArena& a) { return a.Set(u"", u"", 0); },
                u"a\n\r\xFFFF", u""},
        SetCase{"NestedPosixClass",  // [[:digit:]x]
                [](ElementArena& a) {
                  BracketElement* s = a.Set(u"x");
                  s->classes.push_back(Posix(a, IsDigitUnit));
                  return s;
                },
                u"07x", u"ay"},
        SetCase{"NegatedWithNestedClass",  // [^[:digit:]]
                [](ElementArena& a) {
                  BracketElement* s = a.Set(u"", u"", 0);
                  s->classes.push_back(Posix(a, IsDigitUnit));
                  return s;
                },
                u"x ", u"7"},
        SetCase{"NestedNegatedBracket",  // [\Da] admits all but digits other than none
                [](ElementArena& a) {
                  BracketElement* s = a.Set(u"5");
                  s->classes.push_back(a.Set(u"", u"0-9", 0));
                  return s;
                },
                u"5xa", u"07"},
        SetCase{"NegatedPosixClass",  // [:^alpha:]
                [](ElementArena& a) { return Posix(a, IsAlphaUnit, 0); }, u"1 ", u"aZ"},
        SetCase{"UnknownPosixNameMatchesNothing",
                [](ElementArena& a) { return Posix(a, nullptr, 0); }, u"", u"a1 "}),
    CaseName<SetCase>);

TEST(SetEdges, FailAtTheSubjectsEdge) {
  ElementArena arena;
  Element* forward = arena.Set(u"", u"", 0);
  Element* backward = arena.Set(u"", u"", 0, 1);
  Element* posixBackward = arena.Make<PosixClassElement>(IsAsciiUnit, 1, 1);
  EXPECT_TRUE(AllWays(forward, u"ab", 2).ends.empty());
  EXPECT_TRUE(AllWays(backward, u"ab", 0).ends.empty());
  EXPECT_TRUE(AllWays(posixBackward, u"ab", 0).ends.empty());
  EXPECT_EQ(AllWays(backward, u"ab", 2).ends, std::vector<int>{1});
  EXPECT_EQ(AllWays(posixBackward, u"ab", 1).ends, std::vector<int>{0});
}

TEST(SetEdges, RightToLeftTestsTheUnitBefore) {
  ElementArena arena;
  Element* set = arena.Set(u"a", u"", 1, 1);
  EXPECT_EQ(AllWays(set, u"ab", 1).ends, std::vector<int>{0});
  EXPECT_TRUE(AllWays(set, u"ab", 2).ends.empty());
}

TEST(BracketContains, IgnoresClassesAndNegation) {
  ElementArena arena;
  BracketElement* set = arena.Set(u"x", u"a-c", 0);
  set->classes.push_back(arena.Set(u"q"));
  EXPECT_TRUE(set->contains(u'b'));
  EXPECT_TRUE(set->contains(u'x'));
  EXPECT_FALSE(set->contains(u'q'));
  EXPECT_FALSE(set->contains(u'd'));
}

// ---- the POSIX class table

struct ClassCase {
  const char* name;
  std::string members;  // ranges "lo-hi" and single units, over 0..255
};

std::vector<bool> Expand(const std::string& members) {
  std::vector<bool> in(256, false);
  for (size_t i = 0; i < members.size();) {
    if (i + 2 < members.size() && members[i + 1] == '-') {
      for (int u = static_cast<unsigned char>(members[i]); u <= static_cast<unsigned char>(members[i + 2]); ++u)
        in[u] = true;
      i += 3;
    } else {
      in[static_cast<unsigned char>(members[i++])] = true;
    }
  }
  return in;
}

class PosixTable : public ::testing::TestWithParam<ClassCase> {};

TEST_P(PosixTable, MembersExactly) {
  const ClassCase& c = GetParam();
  std::string key = std::string(c.name) + ":";
  CharClassifier f = FindPosixClass(key.c_str());
  ASSERT_NE(f, nullptr);
  std::vector<bool> in = Expand(c.members);
  for (int u = 0; u < 256; ++u) EXPECT_EQ(f(static_cast<char16_t>(u)), in[u]) << c.name << " " << u;
  // No class admits a unit above 255, not even "ascii" or "blank".
  for (char16_t u : {u'\x100', u'\x4E00', u'\xFF10', u'\xFFFF'}) EXPECT_FALSE(f(u)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, PosixTable,
    ::testing::Values(ClassCase{"alnum", "A-Za-z0-9"}, ClassCase{"alpha", "A-Za-z"},
                      ClassCase{"ascii", std::string("\x00-\x7F", 3)},
                      ClassCase{"cntrl", std::string("\x00-\x1F\x7F", 4)},
                      ClassCase{"digit", "0-9"}, ClassCase{"graph", "!-~"},
                      ClassCase{"lower", "a-z"}, ClassCase{"print", " -~"},
                      ClassCase{"punct", "!-/:-@[-`{-~"},
                      ClassCase{"space", "\t-\r "}, ClassCase{"upper", "A-Z"},
                      ClassCase{"xdigit", "0-9A-Fa-f"},
                      ClassCase{"blank", " \t"}),
    [](const ::testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.name); });

TEST(PosixLookup, ComparesOnlyTheNamesLength) {
  EXPECT_EQ(FindPosixClass("alpha:xyz]"), &IsAlphaUnit);
  EXPECT_EQ(FindPosixClass("xdigit:"), &IsXdigitUnit);
  EXPECT_EQ(FindPosixClass("Alpha:"), nullptr);
  EXPECT_EQ(FindPosixClass("foo:"), nullptr);
  EXPECT_EQ(FindPosixClass("alpha"), nullptr);
}

TEST(WordUnits, AsciiLettersDigitsUnderscoreOnly) {
  for (int u = 0; u < 0x10000; ++u) {
    const bool expected = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                          (u >= '0' && u <= '9') || u == '_';
    ASSERT_EQ(IsWordUnit(static_cast<char16_t>(u)), expected) << u;
  }
}

}  // namespace
}  // namespace engine::testing
