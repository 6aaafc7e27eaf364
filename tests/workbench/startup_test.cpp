// Start-up: the window's controls, and the state restored from the Data files.
#include "workbench_fixture.h"

namespace workbench::testing {
namespace {

using StartupTest = WorkbenchFixture;

TEST_F(StartupTest, FirstStartWithoutDataFolder) {
  NoDataFolder();
  Start();
  EXPECT_EQ(PatternText(), "");
  EXPECT_EQ(SubjectText(), "");
  ASSERT_EQ(optionTable.size(), 8u);
  for (const OptionEntry& entry : optionTable) EXPECT_EQ(entry.checked, 0) << entry.title;
  EXPECT_EQ(State(controls.tabs).current, 0);
  EXPECT_EQ(State(controls.mainWindow).title, "Vintrel 1.3");
  EXPECT_EQ(State(controls.titleLabel).title, "Vintrel 1.3");
  EXPECT_EQ(State(controls.donateButton).title, "···");
  EXPECT_EQ(Status(), "匹配文本：");
  EXPECT_FALSE(State(controls.clearButton).visible);
  EXPECT_EQ(TimerPeriod(), 0);
  EXPECT_FALSE(DataFileExists("config.ini"));  // the Data folder is never created
  EXPECT_FALSE(std::filesystem::exists(Folder() / "Data"));
}

TEST_F(StartupTest, OptionTableTitlesAndOnlyTheExactOneIsOn) {
  WriteConfig("Global", "true");
  WriteConfig("CaseSensitive", "1");
  WriteConfig("Multiline", "2");
  WriteConfig("Searchline", " 1 ");  // the profile reader trims blanks
  WriteConfig("EmptyPrompt", "1");
  Start();
  const char* titles[] = {"全局匹配",     "区分大小写",   "匹配换行符",     "匹配行首行尾",
                          "查看子匹配文本", "悬浮显示列表", "源码框自动换行", "空匹配文本提示"};
  const int expected[] = {0, 1, 0, 1, 0, 0, 0, 1};
  ASSERT_EQ(optionTable.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(optionTable[i].title, titles[i]);
    EXPECT_EQ(optionTable[i].checked, expected[i]) << titles[i];
  }
}

TEST_F(StartupTest, AutolineWrapsTheSubjectBoxBeforeAnyEdit) {
  WriteConfig("Autoline", "1");
  Start();
  EXPECT_TRUE(State(controls.subjectBox).lineWrap);
}

TEST_F(StartupTest, WithoutAutolineTheBoxKeepsItsWrap) {
  WriteConfig("Autoline", "0");
  Start();
  EXPECT_FALSE(State(controls.subjectBox).lineWrap);
}

TEST_F(StartupTest, WindowOneOpensOnTheDonatePage) {
  WriteConfig("Window", "1");
  Start();
  EXPECT_EQ(State(controls.tabs).current, 1);
  EXPECT_EQ(State(controls.donateButton).title, "返回");
}

TEST_F(StartupTest, OnlyWindowOneOpensTheDonatePage) {
  for (const char* value : {"0", "2", "true", ""}) {
    SCOPED_TRACE(value);
    WriteConfig("Window", value);
    Restart();
    EXPECT_EQ(State(controls.tabs).current, 0);
    EXPECT_EQ(State(controls.donateButton).title, "···");
  }
}

TEST_F(StartupTest, ClosingRightAfterTypingLeavesTheLastStateOnDisk) {
  Start();
  TypeSubject("one\r\n二");
  TypePattern("o");
  ASSERT_TRUE(Click(controls.closeButton));
  EXPECT_TRUE(kit::IsClosed());
  ExitCleanup();
  EXPECT_EQ(ReadDataFile("source.dat"), "one\r\n二");
  EXPECT_EQ(ConfigValue("Pattern"), "o");
  Restart();
  EXPECT_EQ(SubjectText(), "one\r\n二");
  EXPECT_EQ(PatternText(), "o");
  EXPECT_EQ(TimerPeriod(), 1000);
}

TEST_F(StartupTest, SavedPatternAndSubjectRunOneSecondAfterStart) {
  WriteConfig("Pattern", "\\d+");
  WriteDataFile("source.dat", "a1\r\nb22");
  Start();
  EXPECT_EQ(PatternText(), "\\d+");
  EXPECT_EQ(SubjectText(), "a1\r\nb22");
  EXPECT_EQ(TimerPeriod(), 1000);
  EXPECT_TRUE(State(controls.clearButton).visible);
  EXPECT_EQ(RowCount(), 0);
  Tick();
  EXPECT_EQ(TimerPeriod(), 0);
  EXPECT_EQ(Status(), "找到 2 处匹配项：");
  ASSERT_EQ(RowCount(), 2);
  EXPECT_EQ(Cell(0, 1), "1");
  EXPECT_EQ(Cell(1, 1), "22");
  EXPECT_EQ(ReadDataFile("source.dat"), "a1\r\nb22");  // the start rewrote nothing
}

TEST_F(StartupTest, SavedPatternWithoutSubjectDoesNotRun) {
  WriteConfig("Pattern", "abc");
  Start();
  EXPECT_EQ(PatternText(), "abc");
  EXPECT_EQ(TimerPeriod(), 0);
  EXPECT_FALSE(State(controls.clearButton).visible);
  EXPECT_FALSE(DataFileExists("source.dat"));
}

TEST_F(StartupTest, SubjectBoxDefaultFormat) {
  Start();
  const std::string& format = State(controls.subjectBox).defaultFormat;
  ASSERT_EQ(format.size(), 116u);
  EXPECT_EQ(static_cast<unsigned char>(format[4]), 0x40);   // dwMask 0xE0000040
  EXPECT_EQ(static_cast<unsigned char>(format[7]), 0xE0);
  EXPECT_EQ(static_cast<unsigned char>(format[8]), 0x40);   // dwEffects
}

TEST_F(StartupTest, StyleRecordAndCheckPicture) {
  WriteDataFile("Check.png", "\x89PNG-bytes");
  Start();
  EXPECT_EQ(styleRecord.listFont.size(), 84u);
  EXPECT_EQ(styleRecord.evenMatchColour, 0x004D4DFFu);
  EXPECT_EQ(styleRecord.oddMatchColour, 0x0051FF4Du);
  EXPECT_EQ(styleRecord.entryTitleColour, 0xFF696969u);
  EXPECT_EQ(styleRecord.twoFieldNoteColour, 0xFF16649Eu);
  EXPECT_EQ(styleRecord.threeFieldNoteColour, 0xFFDD2E91u);
  EXPECT_EQ(checkPicture, "\x89PNG-bytes");
}

TEST_F(StartupTest, EmptyCheckPictureLeavesNone) {
  WriteDataFile("Check.png", "");
  Start();
  EXPECT_TRUE(checkPicture.empty());
}

TEST_F(StartupTest, LongPatternComesBackCutTo10239Bytes) {
  Start();
  std::string pattern(12000, 'a');
  TypePattern(pattern);
  EXPECT_NE(ReadDataFile("config.ini").find("Pattern=" + pattern), std::string::npos);  // saved whole
  EXPECT_EQ(ConfigValue("Pattern").size(), 10239u);
  Restart();
  EXPECT_EQ(PatternText(), std::string(10239, 'a'));
}

// Every control of the design with its place, parent and page.
TEST_F(StartupTest, ControlsOfTheDesign) {
  Start();
  const Controls& c = controls;
  struct Case {
    SkinHandle control;
    kit::ControlKind kind;
    SkinHandle parent;
    int page, x, y, w, h;
    const char* title;
  } cases[] = {
      {c.mainWindow, kit::ControlKind::Window, 0, -1, 50, 50, 1000, 673, "Vintrel 1.3"},
      {c.windowFrame, kit::ControlKind::Window, c.mainWindow, -1, 4, 4, 24, 24, ""},
      {c.titleLabel, kit::ControlKind::Label, c.mainWindow, -1, 433, 19, 150, 16, "Vintrel 1.3"},
      {c.donateButton, kit::ControlKind::Button, c.mainWindow, -1, 892, 11, 48, 30, "···"},
      {c.closeButton, kit::ControlKind::Button, c.mainWindow, -1, 941, 11, 48, 30, "×"},
      {c.tabs, kit::ControlKind::Tabs, c.mainWindow, -1, 11, 124, 976, 520, ""},
      {c.commonListButton, kit::ControlKind::Button, c.tabs, 0, 75, 3, 56, 32, "常用"},
      {c.patternBox, kit::ControlKind::Edit, c.tabs, 0, 131, 3, 536, 32, ""},
      {c.clearButton, kit::ControlKind::Button, c.patternBox, -1, 502, 0, 32, 28, "×"},
      {c.syntaxListButton, kit::ControlKind::Button, c.tabs, 0, 667, 3, 120, 32, "语法参考"},
      {c.optionsButton, kit::ControlKind::Button, c.tabs, 0, 787, 3, 120, 32, "选项"},
      {c.popupList, kit::ControlKind::List, c.tabs, 0, 4, 36, 128, 248, ""},
      {c.subjectLabel, kit::ControlKind::Label, c.tabs, 0, 75, 64, 162, 20, "欲匹配的文本："},
      {c.subjectBox, kit::ControlKind::RichEdit, c.tabs, 0, 75, 84, 832, 202, ""},
      {c.statusLabel, kit::ControlKind::Label, c.tabs, 0, 75, 304, 330, 20, "匹配文本："},
      {c.resultList, kit::ControlKind::Report, c.tabs, 0, 75, 324, 832, 180, ""},
      {c.donatePicture, kit::ControlKind::Picture, c.tabs, 1, 309, 7, 360, 360, ""},
      {c.thanksLabel, kit::ControlKind::Label, c.tabs, 1, 309, 406, 424, 24,
       "工具完全免费！如果你觉得还不错，可以打赏支持一下~~~"},
      {c.otherToolsLabel, kit::ControlKind::Label, c.tabs, 1, 268, 452, 120, 24, "其他工具："},
      {c.linkLabel, kit::ControlKind::Label, c.tabs, 1, 388, 452, 100, 24, nullptr},
  };
  for (const Case& e : cases) {
    const kit::ControlState& s = State(e.control);
    SCOPED_TRACE(kit::KindName(e.kind) + std::string(" at ") + std::to_string(e.x) + "," + std::to_string(e.y));
    EXPECT_EQ(s.kind, e.kind);
    EXPECT_EQ(s.parent, e.parent);
    EXPECT_EQ(s.page, e.page);
    EXPECT_EQ(s.x, e.x);
    EXPECT_EQ(s.y, e.y);
    EXPECT_EQ(s.width, e.w);
    EXPECT_EQ(s.height, e.h);
    if (e.title) EXPECT_EQ(s.title, e.title);
  }
  EXPECT_FALSE(State(c.linkLabel).title.empty());
  EXPECT_EQ(State(c.tabs).pages, (std::vector<std::string>{"正则调试", "打赏"}));
  EXPECT_FALSE(State(c.popupList).visible);
  EXPECT_EQ(State(c.donateButton).textColour, 0xFF383838u);
  EXPECT_EQ(State(c.closeButton).textColour, 0xFE000000u);
  EXPECT_EQ(State(c.closeButton).face, "宋体");
  EXPECT_EQ(State(c.clearButton).textColour, 0xFF808080u);
  EXPECT_FALSE(menuItemTable.empty());  // the edit menu is built last
}

TEST_F(StartupTest, ExitCleanupReleasesEverything) {
  WriteConfig("Pattern", "a");
  WriteDataFile("source.dat", "aa");
  Start();
  Tick();
  ASSERT_EQ(searchResults.size(), 2u);
  ExitCleanup();
  EXPECT_TRUE(searchResults.empty());
  EXPECT_TRUE(optionTable.empty());
  EXPECT_TRUE(savedSubject.empty());
  EXPECT_TRUE(menuItemTable.empty());
  EXPECT_TRUE(matchCaretStarts.empty());
  EXPECT_TRUE(styleRecord.listFont.empty());
  EXPECT_EQ(regexObject, nullptr);
  EXPECT_EQ(ReadDataFile("source.dat"), "aa");  // nothing written at exit
}

}  // namespace
}  // namespace workbench::testing
