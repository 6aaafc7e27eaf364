// The match run: typing, the timer, positions in GBK subjects with CR LF,
// highlights, columns, cells and the files written on the way.
#include "workbench_fixture.h"

#include "workbench/match_run.h"

namespace workbench::testing {
namespace {

constexpr int64_t kOdd = 0x0051FF4D;
constexpr int64_t kEven = 0x004D4DFF;

class MatchRunTest : public WorkbenchFixture {
 protected:
  void StartWith(std::initializer_list<std::pair<const char*, const char*>> config) {
    for (const auto& [key, value] : config) WriteConfig(key, value);
    Start();
  }
};

// Where each match lands in the box, for subjects with CR LF and two-byte characters.
TEST_F(MatchRunTest, BoxPositionsOfMatches) {
  struct Case {
    const char* name;
    const char* subject;
    const char* pattern;
    std::vector<int> starts;
    std::vector<int> lengths;
  } cases[] = {
      {"line starts", "a\r\nb\r\nc", "[bc]", {2, 4}, {1, 1}},
      {"two-byte before a break", "中\r\n文", "文", {2}, {1}},
      {"match across a break", "xa\r\nby", "a\\r\\nb", {1}, {3}},
      {"group of breaks", "a\r\nb\r\nc", "\\s+b\\s+", {1}, {3}},
      {"several breaks passed", "\r\n\r\n中a\r\n文a", "a", {3, 6}, {1, 1}},
      {"no break at all", "中文中文ab中", "b", {5}, {1}},
      {"two-byte matches", "中文\r\n中文", "[^\\r\\n]+", {0, 3}, {2, 2}},
  };
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunWith(c.pattern, c.subject);
    ASSERT_EQ(RowCount(), static_cast<int>(c.starts.size()));
    EXPECT_EQ(matchCaretStarts, c.starts);
    EXPECT_EQ(matchSelectionLengths, c.lengths);
    EXPECT_EQ(Caret(), 0);  // put back to the start after the run
  }
}

TEST_F(MatchRunTest, MatchesAreHighlightedGreenThenRed) {
  Start();
  RunWith("[bc]", "a\r\nb\r\nc");
  EXPECT_EQ(BackColourAt(0), -1);
  EXPECT_EQ(BackColourAt(1), -1);
  EXPECT_EQ(BackColourAt(2), kOdd);
  EXPECT_EQ(BackColourAt(3), -1);
  EXPECT_EQ(BackColourAt(4), kEven);
  std::string format = kit::FormatAt(controls.subjectBox, 2);
  ASSERT_EQ(format.size(), 116u);
  EXPECT_EQ(static_cast<unsigned char>(format[kCfMask + 3]), 0xE4);
  EXPECT_EQ(static_cast<unsigned char>(format[kCfHeight]), 180);  // 12 px at 96 dpi
}

TEST_F(MatchRunTest, HighlightsCoverTwoByteCharactersAndBreaks) {
  Start();
  RunWith("文\\r\\n中|b", "中文\r\n中ab");
  ASSERT_EQ(RowCount(), 2);
  // Box: 中0 文1 break2 中3 a4 b5.
  EXPECT_EQ(BackColourAt(0), -1);
  EXPECT_EQ(BackColourAt(1), kOdd);
  EXPECT_EQ(BackColourAt(2), kOdd);
  EXPECT_EQ(BackColourAt(3), kOdd);
  EXPECT_EQ(BackColourAt(4), -1);
  EXPECT_EQ(BackColourAt(5), kEven);
}

TEST_F(MatchRunTest, AnEditBeforeTheLastMatchShiftsTheNextRun) {
  Start();
  RunWith("b", "ab\r\nab");
  ASSERT_EQ(matchCaretStarts, (std::vector<int>{1, 4}));
  InsertIntoSubject(3, "中中");  // before the second line's "ab"
  Tick();
  ASSERT_EQ(RowCount(), 2);
  EXPECT_EQ(matchCaretStarts, (std::vector<int>{1, 6}));
  EXPECT_EQ(BackColourAt(6), kEven);
  EXPECT_EQ(BackColourAt(4), -1);
}

TEST_F(MatchRunTest, RowsCellsAndStatus) {
  Start();
  RunWith("(\\d+)", "a1b22");
  ASSERT_EQ(RowCount(), 2);
  EXPECT_EQ(Status(), "找到 2 处匹配项：");
  const auto& rows = State(controls.resultList).reportRows;
  EXPECT_EQ(rows[0].height, 38);
  EXPECT_EQ(Cell(0, 0), "1");
  EXPECT_EQ(Cell(1, 0), "2");
  EXPECT_EQ(Cell(0, 1), "1");
  EXPECT_EQ(Cell(1, 1), "22");
  ASSERT_EQ(ColumnCount(), 2);  // LookSubText off: no group columns
  EXPECT_EQ(Column(0).title, "索引");
  EXPECT_EQ(Column(0).width, 45);
  EXPECT_EQ(Column(0).minWidth, 30);
  EXPECT_EQ(Column(1).title, "匹配文本");
  EXPECT_EQ(Column(1).width, 770);
  EXPECT_EQ(Column(1).minWidth, 200);
  EXPECT_TRUE(Column(1).hasFont);
  EXPECT_TRUE(Column(1).elements.empty());  // no badge without EmptyPrompt
}

TEST_F(MatchRunTest, NoMatchShowsZeroAndNoColumns) {
  Start();
  RunWith("z", "abc");
  EXPECT_EQ(Status(), "找到 0 处匹配项：");
  EXPECT_EQ(ColumnCount(), 0);
  EXPECT_EQ(RowCount(), 0);
  EXPECT_TRUE(searchResults.empty());
}

TEST_F(MatchRunTest, SubMatchColumnsByGroupCount) {
  struct Case {
    const char* pattern;
    int matchWidth;
    std::vector<std::string> titles;
    int groupWidth;
  } cases[] = {
      {"a", 770, {}, 0},
      {"(a)", 561, {"子匹配文本1"}, 200},
      {"(a)(b)", 361, {"子匹配文本1", "子匹配文本2"}, 200},
      {"(a)(b)(c)", 261, {"子匹配文本1", "子匹配文本2", "子匹配文本3"}, 170},
      {"(a)(b)(c)(d)", 261, {"子匹配文本1", "子匹配文本2", "子匹配文本3", "子匹配文本4"}, 170},
  };
  StartWith({{"LookSubText", "1"}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    RunWith(c.pattern, "abcd");
    ASSERT_EQ(ColumnCount(), 2 + static_cast<int>(c.titles.size()));
    EXPECT_EQ(Column(1).width, c.matchWidth);
    for (size_t k = 0; k < c.titles.size(); ++k) {
      const kit::ReportColumn& column = Column(2 + static_cast<int>(k));
      EXPECT_EQ(column.title, c.titles[k]);
      EXPECT_EQ(column.width, c.groupWidth);
      EXPECT_EQ(column.minWidth, 100);
      ASSERT_EQ(column.elements.size(), 1u);
      EXPECT_EQ(column.elements[0].kind, SKIN_ELEMENT_BUTTON);
      EXPECT_EQ(Cell(0, 2 + static_cast<int>(k)), std::string(1, static_cast<char>('a' + k)));
    }
  }
}

TEST_F(MatchRunTest, GroupThatTookNoPartShowsTheEmptyTextBadge) {
  StartWith({{"LookSubText", "1"}});
  RunWith("a(x)?", "a");
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(BadgeText(0, 2), "空文本");
  EXPECT_EQ(BadgeColour(0, 2), 0xFF808080u);
  EXPECT_EQ(Cell(0, 2), "");
  const kit::Element& badge = Column(2).elements.at(0);
  EXPECT_EQ(badge.y, 7);
  EXPECT_EQ(badge.width, 50);
  EXPECT_EQ(badge.skin, std::string(1, '\0'));
}

TEST_F(MatchRunTest, GroupColumnsOffWithoutLookSubText) {
  Start();
  RunWith("a(x)?", "a");
  EXPECT_EQ(ColumnCount(), 2);
}

TEST_F(MatchRunTest, CompileFlagsFromTheOptions) {
  struct Case {
    std::vector<int> on;
    int flags;
  } cases[] = {
      {{}, 0x08},
      {{kOptionCaseSensitive}, 0x00},
      {{kOptionGlobal}, 0x0C},
      {{kOptionGlobal, kOptionCaseSensitive, kOptionMultiline, kOptionSearchline}, 0x07},
      {{kOptionMultiline, kOptionLookSubText, kOptionSuspendLst, kOptionAutoline, kOptionEmptyPrompt}, 0x09},
  };
  Start();
  for (const Case& c : cases) {
    for (OptionEntry& entry : optionTable) entry.checked = 0;
    for (int i : c.on) optionTable[i].checked = 1;
    EXPECT_EQ(MatchFlags(), c.flags);
  }
}

TEST_F(MatchRunTest, CaseSensitivityFollowsTheOption) {
  struct Case {
    const char* caseSensitive;
    const char* status;
  } cases[] = {{"0", "找到 1 处匹配项："}, {"1", "找到 0 处匹配项："}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caseSensitive);
    WriteConfig("Pattern", "a");
    WriteConfig("CaseSensitive", c.caseSensitive);
    WriteDataFile("source.dat", "A");
    Restart();
    Tick();
    EXPECT_EQ(Status(), c.status);
  }
}

TEST_F(MatchRunTest, TypingSavesAtOnceAndRunsOneSecondAfterTheLastKey) {
  WriteConfig("Pattern", "b+");
  WriteDataFile("source.dat", "ab");
  Start();
  Tick();
  ASSERT_EQ(RowCount(), 1);
  InsertIntoSubject(2, "b");
  EXPECT_EQ(ReadDataFile("source.dat"), "abb");
  EXPECT_EQ(savedSubject, "abb");
  EXPECT_EQ(Caret(), 3);  // the rewrite of the box did not move it
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Status(), "匹配文本：");
  EXPECT_EQ(TimerPeriod(), 1000);
  InsertIntoSubject(0, "b");
  EXPECT_EQ(Caret(), 1);
  EXPECT_EQ(TimerPeriod(), 1000);
  Tick();
  EXPECT_EQ(TimerPeriod(), 0);
  ASSERT_EQ(RowCount(), 2);
  EXPECT_EQ(Cell(0, 1), "b");
  EXPECT_EQ(Cell(1, 1), "bb");
  Tick();  // a stopped timer delivers nothing more
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(MatchRunTest, PatternEditsAreWrittenThrough) {
  Start();
  TypeSubject("abc");
  TypePattern("b");
  EXPECT_EQ(ConfigValue("Pattern"), "b");
  EXPECT_TRUE(State(controls.clearButton).visible);
  Tick();
  TypePattern("");
  EXPECT_EQ(ConfigValue("Pattern"), "");
  EXPECT_FALSE(State(controls.clearButton).visible);
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(ColumnCount(), 0);
  EXPECT_EQ(Status(), "匹配文本：");
  EXPECT_EQ(TimerPeriod(), 0);  // no run follows
}

TEST_F(MatchRunTest, EmptySubjectIsSavedEmptyAndNothingRuns) {
  WriteConfig("Pattern", "a");
  WriteDataFile("source.dat", "a");
  Start();
  Tick();
  ASSERT_EQ(RowCount(), 1);
  TypeSubject("");
  EXPECT_TRUE(DataFileExists("source.dat"));
  EXPECT_EQ(ReadDataFile("source.dat"), "");
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Status(), "匹配文本：");
}

TEST_F(MatchRunTest, WritesLeaveNoOtherFilesInTheDataFolder) {
  Start();
  TypeSubject("one\r\ntwo");
  TypePattern("o");
  TypeSubject("three");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Folder() / "Data"))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"config.ini", "source.dat"}));
  EXPECT_EQ(ReadDataFile("source.dat"), "three");
}

TEST_F(MatchRunTest, WithoutDataFolderWritesFailSilentlyAndRunsGoOn) {
  NoDataFolder();
  Start();
  RunWith("b", "ab\r\nb");
  EXPECT_EQ(Status(), "找到 2 处匹配项：");
  EXPECT_EQ(matchCaretStarts, (std::vector<int>{1, 3}));
  EXPECT_EQ(savedSubject, "ab\r\nb");
  EXPECT_FALSE(std::filesystem::exists(Folder() / "Data"));
}

// A subject saved with lone LFs comes back from the box with CR LF; the saved
// copy follows the box, so positions still agree.
TEST_F(MatchRunTest, LoneLineFeedsInTheSavedSubject) {
  WriteConfig("Pattern", "c");
  WriteDataFile("source.dat", "a\nb\nc");
  Start();
  EXPECT_EQ(SubjectText(), "a\r\nb\r\nc");
  EXPECT_EQ(savedSubject, SubjectText());
  Tick();
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(matchCaretStarts, (std::vector<int>{4}));
  EXPECT_EQ(BackColourAt(4), kOdd);
}

// Texts the box cannot hold as saved: the box shows what it can, the file stays
// as it was until the user edits the subject.
TEST_F(MatchRunTest, StartNeverRewritesTheSavedSubject) {
  struct Case {
    const char* name;
    std::string saved;
    std::string shown;
  } cases[] = {
      {"NUL byte", std::string("ab\0cd", 5), "ab"},
      {"broken two-byte character at the end", "ab\xD6", "ab?"},
      {"lone LF", "a\nb", "a\r\nb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteConfig("Pattern", "b");
    WriteDataFile("source.dat", c.saved);
    Restart();
    EXPECT_EQ(SubjectText(), c.shown);
    EXPECT_EQ(savedSubject, c.shown);
    EXPECT_EQ(ReadDataFile("source.dat"), c.saved);
    EXPECT_EQ(TimerPeriod(), 1000);
    Tick();
    EXPECT_EQ(RowCount(), 1);
    InsertIntoSubject(0, "x");
    EXPECT_EQ(ReadDataFile("source.dat"), "x" + c.shown);
  }
}

TEST_F(MatchRunTest, StatusWhileTheRunIsBusy) {
  Start();
  TypeSubject("aaa");
  TypePattern("a");
  std::vector<std::string> seen;
  platform::posix::SetPendingMessagesHook([&] { seen.push_back(Status()); });
  Tick();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), "正在匹配，请稍后...");
  EXPECT_EQ(Status(), "找到 3 处匹配项：");
}

TEST_F(MatchRunTest, EditDuringTheRunsPendingMessagesIsMatched) {
  Start();
  TypeSubject("aaa");
  TypePattern("a");
  bool typed = false;
  platform::posix::SetPendingMessagesHook([&] {
    if (typed) return;
    typed = true;
    InsertIntoSubject(0, "aa");
  });
  Tick();
  EXPECT_EQ(Status(), "找到 5 处匹配项：");
  EXPECT_EQ(RowCount(), 5);
  EXPECT_EQ(ReadDataFile("source.dat"), "aaaaa");
}

TEST_F(MatchRunTest, EmptyMatchesEndTheCollection) {
  Start();
  RunWith("x*", "abc");
  EXPECT_EQ(Status(), "找到 0 处匹配项：");
  RunWith("(?=b)", "ab");
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(matchCaretStarts, (std::vector<int>{1}));
  EXPECT_EQ(matchSelectionLengths, (std::vector<int>{0}));
}

TEST_F(MatchRunTest, MalformedPatternsStillRunAndCount) {
  Start();
  for (const char* pattern : {"(", "[", "a{2,1}", "(?<", "\\", "*a", "a)", "(?(1)x)"}) {
    SCOPED_TRACE(pattern);
    RunWith(pattern, "a(b[c]*a)\r\n");
    EXPECT_EQ(Status().rfind("找到 ", 0), 0u) << Status();
    EXPECT_EQ(static_cast<size_t>(RowCount()), searchResults.size());
    EXPECT_EQ(TimerPeriod(), 0);
  }
}

TEST_F(MatchRunTest, PreviousResultsAreReplaced) {
  Start();
  RunWith("a", "aaaa");
  ASSERT_EQ(searchResults.size(), 4u);
  RunWith("aa", "aaaa");
  EXPECT_EQ(searchResults.size(), 2u);
  RunWith("z", "aaaa");
  EXPECT_TRUE(searchResults.empty());
  EXPECT_EQ(matchCaretStarts.size(), 2u);  // left as they were; no row reads them
}

}  // namespace
}  // namespace workbench::testing
