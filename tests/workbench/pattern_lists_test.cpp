// The pop-up list's common and syntax contents: splitting the list files,
// opening, docking or floating, choosing and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "workbench/pattern_lists.h"
#include "workbench_fixture.h"

namespace workbench {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitAtSeparator, FieldsEndAtEachSeparatorAndATrailingEmptyRestIsNoField) {
  struct Case {
    std::string text;
    std::string separator;
    int maxFields;
    Fields fields;
  };
  const Case cases[] = {
      {"", "\r\n", 0, {}},
      {"abc", "\r\n", 0, {"abc"}},
      {"a\r\nb", "\r\n", 0, {"a", "b"}},
      {"a\r\nb\r\n", "\r\n", 0, {"a", "b"}},
      {"a\r\n\r\nb", "\r\n", 0, {"a", "", "b"}},
      {"\r\na", "\r\n", 0, {"", "a"}},
      {"a\nb\nc", "\r\n", 0, {"a\nb\nc"}},  // a lone LF ends no line
      {"a\rb", "\r\n", 0, {"a\rb"}},
      {"\\d - digit", " - ", 0, {"\\d", "digit"}},
      {"(?=x) - lookahead - x", " - ", 0, {"(?=x)", "lookahead", "x"}},
      {"a - b - c - d", " - ", 0, {"a", "b", "c", "d"}},
      {"a - ", " - ", 0, {"a"}},
      {"a -  - b", " - ", 0, {"a", "", "b"}},
      {"a-b", " - ", 0, {"a-b"}},
      // Names and patterns of the common list: at most two fields.
      {"数字：\\d+", "：", 2, {"数字", "\\d+"}},
      {"a：b：c", "：", 2, {"a", "b"}},
      {"a：：b", "：", 2, {"a", ""}},
      {"a：", "：", 2, {"a"}},
      {"：x", "：", 2, {"", "x"}},
      {"abc", "：", 2, {"abc"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitAtSeparator(c.text, c.separator, c.maxFields), c.fields) << c.text;
}

TEST(SplitAtSeparator, FindsSeparatorsOnlyAtCharacterBoundaries) {
  // "：" is A3 BA. In "\xA3\xA3\xBA" the first A3 is a lead byte whose trail is
  // the second A3, so the A3 BA that straddles them is not a separator...
  EXPECT_EQ(SplitAtSeparator("\xA3\xA3\xBA" "b", "\xA3\xBA", 2), (Fields{"\xA3\xA3\xBA" "b"}));
  // ...while after a whole two-byte character it is.
  EXPECT_EQ(SplitAtSeparator("\xB0\xA1\xA3\xBA" "b", "\xA3\xBA", 2), (Fields{"\xB0\xA1", "b"}));
  // A trail byte that looks like the start of " - " does not begin one.
  EXPECT_EQ(SplitAtSeparator("\x81 - x", " - ", 0), (Fields{"\x81 - x"}));
  EXPECT_EQ(SplitAtSeparator("\x81\x40 - x", " - ", 0), (Fields{"\x81\x40", "x"}));
  // A two-byte character whose trail byte is CR does not hide the line end.
  EXPECT_EQ(SplitAtSeparator("a\x81\r\nb", "\r\n", 0), (Fields{"a\x81\r\nb"}));
  // A lead byte at the very end is kept.
  EXPECT_EQ(SplitAtSeparator("ab\xB0", "\r\n", 0), (Fields{"ab\xB0"}));
}


// ---- The lists in the window ----------------------------------------------

using testing::WorkbenchFixture;
namespace kit = toolkit::headless;

constexpr uint32_t kTwoFieldColour = 0xFF16649E;
constexpr uint32_t kThreeFieldColour = 0xFFDD2E91;
constexpr uint32_t kEntryTitleColour = 0xFF696969;

class PatternListsTest : public WorkbenchFixture {
 protected:
  const kit::ControlState& List() const { return State(controls.popupList); }
  std::vector<std::string> RowTitles() const {
    std::vector<std::string> titles;
    for (const kit::ListRow& row : List().rows) titles.push_back(row.title);
    return titles;
  }
  // Left and width of the boxes that docking moves, in a fixed order.
  std::vector<int> Layout() const {
    return {State(controls.subjectLabel).x, State(controls.statusLabel).x, State(controls.subjectBox).x,
            State(controls.subjectBox).width, State(controls.resultList).x, State(controls.resultList).width};
  }
  static std::string Lines(int n, const std::string& pattern) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "p" + std::to_string(i) + pattern + "\r\n";
    return text;
  }
};

const std::vector<int> kUndocked = {75, 75, 75, 832, 75, 832};

TEST_F(PatternListsTest, CommonListRowsAreTheNamesOfTheLinesWithTwoFields) {
  WriteDataFile("CommonlyUsed.lst", "数字：\\d+\r\na：b：c\r\na：：b\r\na：\r\nabc\r\n\r\n：x\r\n");
  Start();
  ASSERT_TRUE(Click(controls.commonListButton));
  EXPECT_EQ(listMode, kListCommon);
  EXPECT_TRUE(kit::IsShown(controls.popupList));
  EXPECT_EQ(kit::Focused(), controls.popupList);
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"数字", "a", "a", ""}));
  for (const kit::ListRow& row : List().rows) {
    EXPECT_EQ(row.height, 30);
    EXPECT_EQ(row.colour, 0u);
  }
  EXPECT_EQ(List().x, 75);
  EXPECT_EQ(List().y, 36);
  EXPECT_EQ(List().width, 240);

  const std::pair<int, const char*> choices[] = {{0, "\\d+"}, {1, "b"}, {3, "x"}, {2, ""}};
  for (const auto& [row, pattern] : choices) {
    ASSERT_TRUE(kit::ChooseListItem(controls.popupList, row));
    EXPECT_EQ(PatternText(), pattern) << row;
    EXPECT_EQ(ConfigValue("Pattern"), pattern) << row;
    EXPECT_EQ(List().current, row);  // the chosen row stays current
    EXPECT_TRUE(kit::IsShown(controls.popupList));
  }
}

TEST_F(PatternListsTest, ACommonChoiceReplacesThePatternAndRunsASecondLater) {
  WriteDataFile("CommonlyUsed.lst", "数字：\\d+\r\n");
  Start();
  TypeSubject("a1b22");
  TypePattern("old");
  ASSERT_TRUE(kit::SelectText(controls.patternBox, 1, 0));
  ASSERT_TRUE(Click(controls.commonListButton));
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, 0));
  EXPECT_EQ(PatternText(), "\\d+");
  EXPECT_EQ(TimerPeriod(), 1000);
  EXPECT_TRUE(State(controls.clearButton).visible);
  Tick();
  EXPECT_EQ(RowCount(), 2);
  EXPECT_EQ(Cell(1, 1), "22");
}

TEST_F(PatternListsTest, SyntaxListRowsTitlesPiecesAndColours) {
  WriteDataFile("Basic.lst",
                "\\d - digit\r\n"
                "\r\n"
                "no separator here\r\n"
                "(?=x) - lookahead - x\r\n"
                "a - b - c - d\r\n"
                "x - \r\n"
                "\\w - 单词字符\r\n");
  Start();
  ASSERT_TRUE(Click(controls.syntaxListButton));
  EXPECT_EQ(listMode, kListSyntax);
  EXPECT_EQ(kit::Focused(), controls.popupList);
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"\\d - digit", "(?=x) - lookahead", "a - b", "\\w - 单词字符"}));
  EXPECT_EQ(syntaxListEntries, (std::vector<std::string>{"\\d", "(?=x)", "a", "\\w"}));
  struct Piece {
    const char* text;
    uint32_t colour;
  };
  const Piece pieces[] = {{"\\d", kTwoFieldColour}, {"(?=x)", kThreeFieldColour}, {"", 0}, {"\\w", kTwoFieldColour}};
  ASSERT_EQ(List().rows.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    const kit::ListRow& row = List().rows[i];
    EXPECT_EQ(row.height, 30);
    EXPECT_EQ(row.colour, kEntryTitleColour);
    ASSERT_EQ(row.elements.size(), 1u) << i;
    const kit::Element& element = row.elements[0];
    EXPECT_EQ(element.kind, SKIN_ELEMENT_TEXT);
    EXPECT_EQ(element.text, pieces[i].text) << i;
    if (*pieces[i].text) {
      EXPECT_EQ(element.colour, pieces[i].colour) << i;
    }
  }
  const kit::Element& first = List().rows[0].elements[0];
  EXPECT_EQ(first.x, 22);
  EXPECT_EQ(first.y, 6);
  EXPECT_EQ(first.width, 130);
  EXPECT_EQ(first.height, 20);
  EXPECT_EQ(first.face, "微软雅黑");
  EXPECT_EQ(List().x, 667);
  EXPECT_EQ(List().width, 300);
}

TEST_F(PatternListsTest, ASyntaxChoiceClearsTheCurrentRowSoItCanBeChosenAgain) {
  WriteDataFile("Basic.lst", "\\d - digit\r\n\\w - word\r\n");
  Start();
  ASSERT_TRUE(Click(controls.syntaxListButton));
  for (int row : {1, 1, 0}) {
    // Written without moving the focus, which would close the list.
    SetTextProperty(controls.patternBox, SKIN_PROP_EDIT_TEXT, "other");
    ASSERT_TRUE(kit::ChooseListItem(controls.popupList, row));
    EXPECT_EQ(PatternText(), row == 1 ? "\\w" : "\\d");
    EXPECT_EQ(List().current, -1);
    EXPECT_EQ(listMode, kListSyntax);
  }
}

TEST_F(PatternListsTest, LinesEndOnlyAtCrLf) {
  WriteDataFile("Basic.lst", "a - b\nc - d\n");
  WriteDataFile("CommonlyUsed.lst", "x：1\ny：2\n");
  Start();
  ASSERT_TRUE(Click(controls.syntaxListButton));
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"a - b\nc"}));
  kit::LoseFocus();
  ASSERT_TRUE(Click(controls.commonListButton));
  ASSERT_EQ(commonListEntries.size(), 1u);
  EXPECT_EQ(commonListEntries[0].pattern, "1\ny");
}

struct HeightCase {
  const char* name;
  bool common;
  int lines;
  bool floating;
  int height;
};

class PatternListHeight : public PatternListsTest, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(PatternListHeight, FollowsTheRowsUntilTheCapOrIsFullWhenDocked) {
  const HeightCase& c = GetParam();
  if (c.floating) WriteConfig("SuspendLst", "1");
  WriteDataFile("CommonlyUsed.lst", Lines(c.lines, "：a"));
  WriteDataFile("Basic.lst", Lines(c.lines, " - a"));
  Start();
  ASSERT_TRUE(Click(c.common ? controls.commonListButton : controls.syntaxListButton));
  EXPECT_EQ(static_cast<int>(List().rows.size()), c.lines);
  EXPECT_EQ(List().height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Lists, PatternListHeight,
                         ::testing::Values(HeightCase{"CommonOne", true, 1, true, 32},
                                           HeightCase{"CommonFourteen", true, 14, true, 422},
                                           HeightCase{"CommonFifteen", true, 15, true, 443},
                                           HeightCase{"CommonFortyDocked", true, 40, false, 468},
                                           HeightCase{"CommonOneDocked", true, 1, false, 468},
                                           HeightCase{"SyntaxFourteen", false, 14, true, 422},
                                           HeightCase{"SyntaxFifteen", false, 15, true, 448},
                                           HeightCase{"SyntaxTwoDocked", false, 2, false, 468}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PatternListsTest, DockedListsMoveAndNarrowTheBoxesAndClosingRestoresThem) {
  WriteDataFile("CommonlyUsed.lst", "a：1\r\n");
  WriteDataFile("Basic.lst", "a - 1\r\n");
  Start();
  ASSERT_EQ(Layout(), kUndocked);

  ASSERT_TRUE(Click(controls.commonListButton));
  EXPECT_EQ(Layout(), (std::vector<int>{315, 315, 318, 589, 318, 589}));
  kit::LoseFocus();
  EXPECT_EQ(listMode, kListNone);
  EXPECT_FALSE(State(controls.popupList).visible);
  EXPECT_EQ(Layout(), kUndocked);

  ASSERT_TRUE(Click(controls.syntaxListButton));
  EXPECT_EQ(Layout(), (std::vector<int>{75, 75, 75, 589, 75, 589}));
  kit::LoseFocus();
  EXPECT_EQ(Layout(), kUndocked);
}

TEST_F(PatternListsTest, OpeningTheOtherListClosesTheFirstAndDocksAnew) {
  WriteDataFile("CommonlyUsed.lst", "a：1\r\n");
  WriteDataFile("Basic.lst", "a - 1\r\n");
  Start();
  ASSERT_TRUE(Click(controls.commonListButton));
  ASSERT_TRUE(Click(controls.syntaxListButton));  // the button takes the focus first
  EXPECT_EQ(listMode, kListSyntax);
  EXPECT_TRUE(kit::IsShown(controls.popupList));
  EXPECT_EQ(Layout(), (std::vector<int>{75, 75, 75, 589, 75, 589}));
}

TEST_F(PatternListsTest, FloatingListsMoveNothing) {
  WriteConfig("SuspendLst", "1");
  WriteDataFile("CommonlyUsed.lst", "a：1\r\n");
  WriteDataFile("Basic.lst", "a - 1\r\n");
  Start();
  for (SkinHandle button : {controls.commonListButton, controls.syntaxListButton}) {
    ASSERT_TRUE(Click(button));
    EXPECT_TRUE(kit::IsShown(controls.popupList));
    EXPECT_EQ(Layout(), kUndocked);
    kit::LoseFocus();
  }
}

TEST_F(PatternListsTest, MissingOrUselessFilesOpenNothing) {
  const char* contents[] = {nullptr, "", "\r\n\r\n", "no colon\r\nname：\r\n"};
  for (const char* content : contents) {
    TearDown();
    SetUp();
    if (content) {
      WriteDataFile("CommonlyUsed.lst", content);
      WriteDataFile("Basic.lst", content);
    }
    Start();
    for (SkinHandle button : {controls.commonListButton, controls.syntaxListButton}) {
      ASSERT_TRUE(Click(button));
      EXPECT_EQ(listMode, kListNone);
      EXPECT_FALSE(State(controls.popupList).visible);
      EXPECT_EQ(Layout(), kUndocked);
    }
  }
}

TEST_F(PatternListsTest, FilesAreReadAgainAtEveryOpening) {
  WriteDataFile("CommonlyUsed.lst", "a：1\r\n");
  WriteDataFile("Basic.lst", "a - 1\r\n");
  Start();
  ASSERT_TRUE(Click(controls.commonListButton));
  kit::LoseFocus();
  ASSERT_TRUE(Click(controls.syntaxListButton));
  kit::LoseFocus();

  WriteDataFile("CommonlyUsed.lst", "b：2\r\nc：3\r\n");
  WriteDataFile("Basic.lst", "useless\r\n");
  ASSERT_TRUE(Click(controls.commonListButton));
  EXPECT_EQ(RowTitles(), (std::vector<std::string>{"b", "c"}));
  kit::LoseFocus();
  // A syntax file without a usable line opens nothing and keeps the old pieces.
  ASSERT_TRUE(Click(controls.syntaxListButton));
  EXPECT_EQ(listMode, kListNone);
  EXPECT_EQ(syntaxListEntries, (std::vector<std::string>{"a"}));
  // A common file without one empties the common table all the same.
  WriteDataFile("CommonlyUsed.lst", "useless\r\n");
  ASSERT_TRUE(Click(controls.commonListButton));
  EXPECT_EQ(listMode, kListNone);
  EXPECT_TRUE(commonListEntries.empty());
}

TEST_F(PatternListsTest, TheShippedListsOpen) {
  for (const char* name : {"Basic.lst", "CommonlyUsed.lst"}) {
    std::ifstream in(std::string(VINTREL_DIST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    ASSERT_FALSE(bytes.str().empty()) << name;
    WriteDataFile(name, bytes.str());
  }
  Start();
  ASSERT_TRUE(Click(controls.commonListButton));
  EXPECT_GE(List().rows.size(), 25u);
  EXPECT_EQ(List().height, 468);
  kit::LoseFocus();
  ASSERT_TRUE(Click(controls.syntaxListButton));
  EXPECT_GE(List().rows.size(), 50u);
  for (const kit::ListRow& row : List().rows) EXPECT_FALSE(row.elements.at(0).text.empty()) << row.title;
}

}  // namespace
}  // namespace workbench
