// The Regex object's ANSI boundary: GBK text in, UTF-16 code unit positions,
// GBK text out. Built natively (iconv CP936) and for Windows (the system's
// code page under Wine), so both conversions must give the same answers.
// GBK bytes are written as escapes so that the file's bytes do not depend on
// the compiler's execution charset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vintrel/vintrel.h"

namespace {

// Cases are named by their place in the table: the default name prints
// pointers, which differ from build to build.
struct CaseNumber {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return "Case" + std::to_string(info.index);
  }
};

// 中 = D6 D0, 年 = C4 EA, 乤 = 81 61 (its second byte is the ASCII "a"),
// U+201C = A1 B0, U+201D = A1 B1.
struct BoundaryCase {
  const char* pattern;
  uint32_t flags;
  const char* subject;
  int start, end;   // first match, -1 -1 for none
  const char* text;  // its text
};

class AnsiBoundary : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(AnsiBoundary, FirstMatch) {
  const BoundaryCase& c = GetParam();
  auto regex = engine::Regex::Create();
  ASSERT_EQ(regex->Compile(c.pattern, c.flags), 1);
  engine::SearchResults results = regex->SearchAll(c.subject);
  if (c.start < 0) {
    EXPECT_TRUE(results.empty());
    return;
  }
  ASSERT_FALSE(results.empty());
  EXPECT_EQ(results[0]->GetMatchStart(), c.start);
  EXPECT_EQ(results[0]->GetMatchEnd(), c.end);
  EXPECT_EQ(results[0]->GetMatchText(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Regex, AnsiBoundary,
    ::testing::Values(
        // Positions count code units, not bytes: 中 is one unit.
        BoundaryCase{"a", 0, "\xD6\xD0" "a", 1, 2, "a"},
        BoundaryCase{"\xD6\xD0", 0, "x\xD6\xD0y", 1, 2, "\xD6\xD0"},
        BoundaryCase{".", 0, "\xD6\xD0", 0, 1, "\xD6\xD0"},
        BoundaryCase{"[\xD6\xD0\xC4\xEA]+", 0, "ab\xC4\xEA\xD6\xD0" "c", 2, 4, "\xC4\xEA\xD6\xD0"},
        // A trail byte that looks like ASCII is part of its character.
        BoundaryCase{"a", 0, "\x81\x61", -1, -1, ""},
        BoundaryCase{"a", engine::IGNORE_CASE, "\x81\x61" "A", 1, 2, "A"},
        BoundaryCase{"\\w", 0, "\x81\x61", -1, -1, ""},
        // A byte that begins no character is one unit and never swallows the next.
        BoundaryCase{"a", 0, "\xFF" "a", 1, 2, "a"}),
    CaseNumber());

TEST(AnsiBoundary, GroupTextsComeOutAsGbk) {
  auto regex = engine::Regex::Create();
  ASSERT_EQ(regex->Compile("(\xD6\xD0+)(?<\xC4\xEA>\\d+)"), 1);
  engine::SearchResults results = regex->SearchAll("x\xD6\xD0\xD6\xD0" "2024\xC4\xEA");
  ASSERT_EQ(results.size(), 1u);
  const engine::SearchResult& r = *results[0];
  EXPECT_EQ(r.GetMatchStart(), 1);
  EXPECT_EQ(r.GetMatchEnd(), 7);
  EXPECT_EQ(r.GetGroupText(1), "\xD6\xD0\xD6\xD0");
  EXPECT_EQ(r.GetGroupStart(2), 3);
  EXPECT_EQ(r.GetGroupText("\xC4\xEA"), "2024");
  EXPECT_EQ(r.GetGroupText("\xD6\xD0"), "");
}

TEST(AnsiBoundary, EveryMatchOfAMixedSubject) {
  auto regex = engine::Regex::Create();
  ASSERT_EQ(regex->Compile("[a-z]+|\xD6\xD0"), 1);
  engine::SearchResults results = regex->SearchAll("ab\xD6\xD0" "cd \xD6\xD0");
  std::vector<std::string> texts;
  std::vector<int> starts;
  for (const auto& r : results) {
    texts.push_back(r->GetMatchText());
    starts.push_back(r->GetMatchStart());
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"ab", "\xD6\xD0", "cd", "\xD6\xD0"}));
  EXPECT_EQ(starts, (std::vector<int>{0, 2, 3, 6}));
}

// The workbench's markers, replaced only when asked to.
struct MarkerCase {
  const char* pattern;
  const char* matchedWithSubstitute;
  const char* matchedWithout;
};

class SubstituteMarkers : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(SubstituteMarkers, ReplacedOnlyWhenAsked) {
  const MarkerCase& c = GetParam();
  auto regex = engine::Regex::Create();
  ASSERT_EQ(regex->Compile(c.pattern, 0, true), 1);
  engine::SearchResults with = regex->SearchAll(c.matchedWithSubstitute);
  ASSERT_EQ(with.size(), 1u);
  EXPECT_EQ(with[0]->GetMatchText(), c.matchedWithSubstitute);

  ASSERT_EQ(regex->Compile(c.pattern), 1);
  EXPECT_TRUE(regex->SearchAll(c.matchedWithSubstitute).empty());
  engine::SearchResults without = regex->SearchAll(c.matchedWithout);
  ASSERT_EQ(without.size(), 1u);
  EXPECT_EQ(without[0]->GetMatchText(), c.matchedWithout);
}

INSTANTIATE_TEST_SUITE_P(
    Regex, SubstituteMarkers,
    ::testing::Values(
        // #换行符 -> CR LF
        MarkerCase{"a#\xBB\xBB\xD0\xD0\xB7\xFB" "b", "a\r\nb", "a#\xBB\xBB\xD0\xD0\xB7\xFB" "b"},
        // #引号 -> "
        MarkerCase{"#\xD2\xFD\xBA\xC5" "x", "\"x", "#\xD2\xFD\xBA\xC5" "x"},
        // #左引号 and #右引号 -> the curly quotation marks
        MarkerCase{"#\xD7\xF3\xD2\xFD\xBA\xC5" "y#\xD3\xD2\xD2\xFD\xBA\xC5", "\xA1\xB0" "y\xA1\xB1",
                   "#\xD7\xF3\xD2\xFD\xBA\xC5" "y#\xD3\xD2\xD2\xFD\xBA\xC5"}),
    CaseNumber());

}  // namespace
