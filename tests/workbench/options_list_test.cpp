// The options list: its rows and ticks, toggles written to config.ini, and
// what each toggle applies at once.
#include <string>

#include "png_check.h"
#include "workbench/options_list.h"
#include "workbench_fixture.h"

namespace workbench::testing {
namespace {

using OptionsListTest = WorkbenchFixture;

const char* const kKeys[] = {"Global",   "CaseSensitive", "Multiline", "Searchline",
                             "LookSubText", "SuspendLst",  "Autoline",  "EmptyPrompt"};

std::string BuiltinTick() {
  return std::string(reinterpret_cast<const char*>(kBuiltinTickPng), kBuiltinTickPngSize);
}

TEST(BuiltinTick, IsAValid16By16RgbPngOf1717Bytes) {
  ASSERT_EQ(kBuiltinTickPngSize, 1717);
  PngInfo png = ReadPng(BuiltinTick());
  EXPECT_TRUE(png.valid);
  EXPECT_EQ(png.width, 16u);
  EXPECT_EQ(png.height, 16u);
  EXPECT_EQ(png.bitDepth, 8);
  EXPECT_EQ(png.colourType, 2);  // RGB
}

TEST_F(OptionsListTest, FreshConfigurationOpensEightUncheckedRowsAtTheOptionsButton) {
  Start();
  ASSERT_TRUE(Click(controls.optionsButton));
  const kit::ControlState& list = State(controls.popupList);
  EXPECT_EQ(listMode, kListOptions);
  EXPECT_TRUE(kit::IsShown(controls.popupList));
  EXPECT_EQ(kit::Focused(), controls.popupList);
  EXPECT_EQ(list.x, 787);
  EXPECT_EQ(list.y, 36);
  EXPECT_EQ(list.width, 120);
  EXPECT_EQ(list.height, 242);
  ASSERT_EQ(list.rows.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(list.rows[i].title, optionTable[i].title);
    EXPECT_EQ(list.rows[i].height, 30);
    EXPECT_EQ(list.rows[i].colour, 0u);
    EXPECT_TRUE(list.rows[i].icon.empty()) << i;
  }
}

struct CheckPictureCase {
  const char* name;
  bool writeFile;
  std::string file;
  bool expectBuiltin;
};

class CheckPictureTest : public WorkbenchFixture, public ::testing::WithParamInterface<CheckPictureCase> {};

TEST_P(CheckPictureTest, CheckedRowsShowIt) {
  const CheckPictureCase& c = GetParam();
  WriteConfig("CaseSensitive", "1");
  WriteConfig("Autoline", "1");
  if (c.writeFile) WriteDataFile("Check.png", c.file);
  Start();
  ASSERT_TRUE(Click(controls.optionsButton));
  const kit::ControlState& list = State(controls.popupList);
  ASSERT_EQ(list.rows.size(), 8u);
  std::string expected = c.expectBuiltin ? BuiltinTick() : c.file;
  for (int i = 0; i < 8; ++i) {
    bool checked = i == kOptionCaseSensitive || i == kOptionAutoline;
    EXPECT_EQ(list.rows[i].icon, checked ? expected : std::string()) << c.name << " row " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, CheckPictureTest,
                         ::testing::Values(CheckPictureCase{"none", false, "", true},
                                           CheckPictureCase{"empty", true, "", true},
                                           CheckPictureCase{"own", true, "\x89PNG own picture", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsListTest, EveryRowTogglesItsOwnKeyAndTickTwiceInARow) {
  Start();
  ASSERT_TRUE(Click(controls.optionsButton));
  for (int row = 0; row < 8; ++row) {
    for (const char* expected : {"1", "0"}) {
      ASSERT_TRUE(kit::ChooseListItem(controls.popupList, row)) << row;
      EXPECT_EQ(ConfigValue(kKeys[row]), expected) << kKeys[row];
      EXPECT_EQ(optionTable[row].checked, expected[0] == '1' ? 1 : 0) << kKeys[row];
      EXPECT_EQ(State(controls.popupList).rows[row].icon.empty(), expected[0] == '0') << kKeys[row];
      EXPECT_EQ(State(controls.popupList).current, -1) << kKeys[row];
      EXPECT_EQ(listMode, kListOptions);
      EXPECT_TRUE(kit::IsShown(controls.popupList));
    }
    for (int other = 0; other < 8; ++other) EXPECT_EQ(optionTable[other].checked, 0) << other;
  }
}

TEST_F(OptionsListTest, TheOptionsListNeverDocks) {
  Start();
  ASSERT_TRUE(Click(controls.optionsButton));
  EXPECT_EQ(State(controls.subjectBox).x, 75);
  EXPECT_EQ(State(controls.subjectBox).width, 832);
  EXPECT_EQ(State(controls.resultList).x, 75);
  EXPECT_EQ(State(controls.resultList).width, 832);
  EXPECT_EQ(State(controls.subjectLabel).x, 75);
}

TEST_F(OptionsListTest, CaseSensitiveRerunsAtOnce) {
  Start();
  RunWith("a", "A");
  ASSERT_EQ(RowCount(), 1);
  ASSERT_TRUE(Click(controls.optionsButton));
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, kOptionCaseSensitive));
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Status(), "找到 0 处匹配项：");
  EXPECT_EQ(ConfigValue("CaseSensitive"), "1");
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, kOptionCaseSensitive));
  EXPECT_EQ(RowCount(), 1);
}

TEST_F(OptionsListTest, LookSubTextAddsAndRemovesTheSubMatchColumnAtOnce) {
  Start();
  RunWith("(a)", "a");
  ASSERT_EQ(ColumnCount(), 2);
  ASSERT_TRUE(Click(controls.optionsButton));
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, kOptionLookSubText));
  ASSERT_EQ(ColumnCount(), 3);
  EXPECT_EQ(Column(2).title, "子匹配文本1");
  EXPECT_EQ(Cell(0, 2), "a");
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, kOptionLookSubText));
  EXPECT_EQ(ColumnCount(), 2);
}

TEST_F(OptionsListTest, MatchOptionsWithAnEmptySubjectOnlyResetTheView) {
  Start();
  TypePattern("a");
  ASSERT_TRUE(Click(controls.optionsButton));
  for (int row = 0; row < 5; ++row) {
    ASSERT_TRUE(kit::ChooseListItem(controls.popupList, row));
    EXPECT_EQ(RowCount(), 0) << kKeys[row];
    EXPECT_EQ(Status(), "匹配文本：") << kKeys[row];
  }
}

TEST_F(OptionsListTest, LaterOptionsChangeOnlyTheirKeyAndTickWithoutARun) {
  Start();
  RunWith("a", "aa");
  ASSERT_EQ(RowCount(), 2);
  ASSERT_TRUE(Click(controls.optionsButton));
  for (int row : {kOptionSuspendLst, kOptionAutoline, kOptionEmptyPrompt}) {
    ASSERT_TRUE(kit::ChooseListItem(controls.popupList, row));
    EXPECT_EQ(ConfigValue(kKeys[row]), "1");
    EXPECT_EQ(RowCount(), 2) << kKeys[row];
    EXPECT_EQ(Status(), "找到 2 处匹配项：") << kKeys[row];
    EXPECT_EQ(TimerPeriod(), 0) << kKeys[row];
  }
}

TEST_F(OptionsListTest, AutolineSwitchesTheSubjectBoxWrapAtOnce) {
  Start();
  ASSERT_FALSE(State(controls.subjectBox).lineWrap);
  ASSERT_TRUE(Click(controls.optionsButton));
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, kOptionAutoline));
  EXPECT_TRUE(State(controls.subjectBox).lineWrap);
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, kOptionAutoline));
  EXPECT_FALSE(State(controls.subjectBox).lineWrap);
}

TEST_F(OptionsListTest, AFailedWriteStillChangesTheFlag) {
  NoDataFolder();
  Start();
  ASSERT_TRUE(Click(controls.optionsButton));
  ASSERT_TRUE(kit::ChooseListItem(controls.popupList, kOptionGlobal));
  EXPECT_EQ(optionTable[kOptionGlobal].checked, 1);
  EXPECT_FALSE(std::filesystem::exists(Folder() / "Data"));
}

TEST_F(OptionsListTest, FocusLossClosesTheOptionsList) {
  Start();
  ASSERT_TRUE(Click(controls.optionsButton));
  kit::LoseFocus();
  EXPECT_EQ(listMode, kListNone);
  EXPECT_FALSE(State(controls.popupList).visible);
}

}  // namespace
}  // namespace workbench::testing
