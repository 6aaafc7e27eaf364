// Described cells: badges and texts written into the result list while
// EmptyPrompt is on, directly and through a match run.
#include "workbench_fixture.h"

#include "workbench/cell_description.h"

namespace workbench::testing {
namespace {

class CellDescriptionTest : public WorkbenchFixture {
 protected:
  void SetUp() override {
    WorkbenchFixture::SetUp();
    Start();
    skin->Report_InsertColumn(controls.resultList, 0, "索引", 45, 30, nullptr, nullptr);
    skin->Report_InsertColumn(controls.resultList, 1, "匹配文本", 770, 200, nullptr, nullptr);
    skin->Control_InsertElement(controls.resultList, 1, 0, SKIN_ELEMENT_BUTTON);
    skin->Report_InsertRows(controls.resultList, 0, 1, 38);
  }
};

TEST_F(CellDescriptionTest, BadgeAndCellText) {
  const std::string indent(27, ' ');
  struct Case {
    const char* name;
    std::string text;
    std::string badge;
    std::string cell;
  } cases[] = {
      {"three blanks", "   ", "空格×3", ""},
      {"two CR LF", "\r\n\r\n", "回车换行符×2", ""},
      {"two CR", "\r\r", "回车符×2", ""},
      {"LFs", "\n\n\n", "换行符×3", ""},
      {"TABs", "\t", "制表符×1", ""},
      {"empty match", "", "回车换行符×0", ""},
      {"blank a blank", " a ", "首尾空格", indent + " a "},
      {"TAB a CR LF", "\ta\r\n", "首制表尾回行", indent + "\ta\\n"},
      {"a CR LF b", "a\r\nb", "", "a\\nb"},
      {"CR LF LF", "\r\n\n", "首回行尾换行", indent + "\\n\n"},
      {"a CR LF", "a\r\n", "尾回车换行符", indent + "a\\n"},
      {"CR LF a", "\r\na", "首回车换行符", indent + "\\na"},
      {"two-byte text", "中文", "", "中文"},
      {"blank then TAB", " \t", "首空格尾制表", indent + " \t"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteDescribedCell(c.text, 0, 1);
    EXPECT_EQ(BadgeText(0, 1), c.badge);
    if (!c.badge.empty()) EXPECT_EQ(BadgeColour(0, 1), 0xD9428ACEu);
    EXPECT_EQ(Cell(0, 1), c.cell);
    // Clear the cell for the next case.
    skin->Report_DeleteRows(controls.resultList, -1);
    skin->Report_InsertRows(controls.resultList, 0, 1, 38);
  }
}

TEST_F(CellDescriptionTest, EveryCallSetsTheColumnsBadgeAttributes) {
  WriteDescribedCell("plain", 0, 1);
  const kit::Element& badge = Column(1).elements.at(0);
  EXPECT_EQ(badge.x, 0);
  EXPECT_EQ(badge.y, 8);
  EXPECT_EQ(badge.width, 100);
  EXPECT_EQ(badge.height, 20);
  EXPECT_TRUE(badge.hasFont);
  ASSERT_EQ(badge.skin.size(), 340u);
  EXPECT_EQ(badge.skin.substr(0, 7), "SkinKit");
  EXPECT_EQ(BadgeText(0, 1), "");  // no badge shown for a plain text
}

using DescribedRunTest = WorkbenchFixture;

TEST_F(DescribedRunTest, MatchAndGroupCellsAreDescribed) {
  WriteConfig("EmptyPrompt", "1");
  WriteConfig("LookSubText", "1");
  Start();
  RunWith("x( +)(y?)", "ax   b\r\nx  ");
  ASSERT_EQ(RowCount(), 2);
  ASSERT_EQ(Column(1).elements.size(), 1u);  // the badge element of the match column
  EXPECT_EQ(BadgeText(0, 1), "尾空格");
  EXPECT_EQ(Cell(0, 1), std::string(27, ' ') + "x   ");
  EXPECT_EQ(BadgeText(0, 2), "空格×3");
  EXPECT_EQ(Cell(0, 2), "");
  EXPECT_EQ(BadgeText(0, 3), "空文本");  // an empty group is never described
  EXPECT_EQ(BadgeText(1, 2), "空格×2");
}

TEST_F(DescribedRunTest, EmptyMatchIsDescribed) {
  WriteConfig("EmptyPrompt", "1");
  Start();
  RunWith("(?=b)", "ab");
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(BadgeText(0, 1), "回车换行符×0");
}

TEST_F(DescribedRunTest, WithoutEmptyPromptTextsAreWrittenUnchanged) {
  Start();
  RunWith("a\\s+", "a \r\n");
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Cell(0, 1), "a \r\n");
  EXPECT_EQ(BadgeText(0, 1), "");
}

}  // namespace
}  // namespace workbench::testing
