// Row clicks: the subject box gets the focus, shows the match and selects it
// or the clicked group.
#include "workbench_fixture.h"

#include "workbench/result_list.h"

namespace workbench::testing {
namespace {

class ResultListTest : public WorkbenchFixture {
 protected:
  void StartLooking() {
    WriteConfig("LookSubText", "1");
    Start();
  }
};

TEST_F(ResultListTest, ClickSelectsTheMatchOrTheClickedGroup) {
  struct Case {
    const char* name;
    const char* pattern;
    const char* subject;
    int row, column;
    int caret, length;
  } cases[] = {
      {"group after a break", "a(b)", "x\r\nab", 0, 2, 3, 1},
      {"index column", "a(b)", "x\r\nab", 0, 0, 2, 2},
      {"match column", "a(b)", "x\r\nab", 0, 1, 2, 2},
      {"group that took no part", "a(x)?b", "ab", 0, 2, 0, 2},
      {"group spanning breaks", "a(\\s+b\\s+)c", "a\r\nb\r\nc", 0, 2, 1, 3},
      {"second row, two-byte text", "(文)(.)", "中文a\r\n文b", 1, 3, 5, 1},
      {"second row, first group", "(文)(.)", "中文a\r\n文b", 1, 2, 4, 1},
      {"first row, whole match", "(文)(.)", "中文a\r\n文b", 0, 1, 1, 2},
  };
  StartLooking();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunWith(c.pattern, c.subject);
    ASSERT_GT(RowCount(), c.row);
    kit::GiveFocus(controls.patternBox);
    ASSERT_TRUE(ClickRow(c.row, c.column));
    EXPECT_EQ(kit::Focused(), controls.subjectBox);
    EXPECT_EQ(State(controls.subjectBox).ensuredVisible, matchCaretStarts[c.row]);
    EXPECT_EQ(Caret(), c.caret);
    EXPECT_EQ(SelectionLength(), c.length);
  }
}

TEST_F(ResultListTest, ClickOnTheFirstRowAfterScrollingShowsItsStart) {
  Start();
  std::string subject = "ab";
  for (int i = 0; i < 200; ++i) subject += "\r\nline";
  RunWith("b|e$", subject);
  ASSERT_GT(RowCount(), 1);
  kit::SelectText(controls.subjectBox, 1000, 0);
  skin->RichEdit_EnsureVisible(controls.subjectBox, 1000);
  ASSERT_TRUE(ClickRow(0, 1));
  EXPECT_EQ(State(controls.subjectBox).ensuredVisible, 1);
  EXPECT_EQ(Caret(), 1);
  EXPECT_EQ(SelectionLength(), 1);
}

TEST_F(ResultListTest, NoCurrentRowDoesNothing) {
  Start();
  RunWith("a", "a");
  TypeSubject("aa");  // empties the result list
  ASSERT_EQ(RowCount(), 0);
  kit::SelectText(controls.subjectBox, 1, 1);
  kit::GiveFocus(controls.patternBox);
  OnResultRowClicked(1);
  EXPECT_EQ(kit::Focused(), controls.patternBox);
  EXPECT_EQ(Caret(), 1);
  EXPECT_EQ(SelectionLength(), 1);
}

}  // namespace
}  // namespace workbench::testing
