// The list box's rows and elements, the report list's columns, cells and
// badges, numbered properties and the pop-up menus.
#include <string>
#include <vector>

#include "headless_fixture.h"

namespace toolkit::headless::testing {
namespace {

using ReportTest = HeadlessTest;

std::vector<std::string> ColumnTitles(const ControlState& report) {
  std::vector<std::string> titles;
  for (const ReportColumn& column : report.columns) titles.push_back(column.title);
  return titles;
}

TEST_F(ReportTest, CellsMoveWithTheirColumns) {
  kit.Report_InsertColumn(results, 0, "index", 45, 30, nullptr, nullptr);
  kit.Report_InsertColumn(results, 1, "text", 770, 200, nullptr, nullptr);
  kit.Report_InsertRows(results, 0, 2, 38);
  kit.Report_SetCellText(results, 1, 1, "b");
  kit.Report_InsertColumn(results, 0, "first", 10, 5, nullptr, nullptr);
  EXPECT_EQ(ColumnTitles(State(results)), (std::vector<std::string>{"first", "index", "text"}));
  EXPECT_EQ(State(results).reportRows[1].cells[2].text, "b");
  kit.Report_DeleteColumn(results, 0);
  EXPECT_EQ(State(results).reportRows[1].cells[1].text, "b");
  kit.Report_DeleteColumn(results, -1);
  EXPECT_TRUE(State(results).columns.empty());
  EXPECT_TRUE(State(results).reportRows[1].cells.empty());
  // A cell outside the columns or rows is not written anywhere.
  kit.Report_SetCellText(results, 1, 0, "lost");
  kit.Report_SetCellText(results, 7, 0, "lost");
  EXPECT_EQ(State(results).reportRows.size(), 2u);
}

TEST_F(ReportTest, ColumnsKeepTheirSizes) {
  kit.Report_InsertColumn(results, 0, "text", 770, 200, &kit, &kit);
  kit.Report_SetColumnAttributes(results, 0, 261);
  const ReportColumn& column = State(results).columns[0];
  EXPECT_EQ(column.width, 261);
  EXPECT_EQ(column.minWidth, 200);
  EXPECT_TRUE(column.hasFont);
  EXPECT_TRUE(column.hasHeaderFont);
}

TEST_F(ReportTest, BadgesShowOnlyInColumnsThatHaveABadgeElement) {
  kit.Report_InsertColumn(results, 0, "index", 45, 30, nullptr, nullptr);
  kit.Report_InsertColumn(results, 1, "sub", 200, 100, nullptr, nullptr);
  kit.Control_InsertElement(results, 1, 0, SKIN_ELEMENT_BUTTON);
  kit.Report_InsertRows(results, 0, 1, 38);
  const char skin[1] = {0};
  kit.Control_SetButtonElementAttributes(results, 1, 0, 0, 7, 50, 20, skin, 1, &kit);
  kit.Control_SetButtonElementData(results, 0, 1, 0, "empty", 0xFF808080);
  kit.Control_SetButtonElementData(results, 0, 0, 0, "nowhere", 0xFF808080);
  const ControlState& state = State(results);
  const Element& badge = state.columns[1].elements.at(0);
  EXPECT_EQ(badge.kind, SKIN_ELEMENT_BUTTON);
  EXPECT_EQ(badge.y, 7);
  EXPECT_EQ(badge.width, 50);
  EXPECT_EQ(badge.skin, std::string(1, '\0'));
  EXPECT_TRUE(badge.hasFont);
  EXPECT_EQ(state.reportRows[0].cells[1].badges.at(0).text, "empty");
  EXPECT_EQ(state.reportRows[0].cells[1].badges.at(0).colour, 0xFF808080u);
  EXPECT_TRUE(state.reportRows[0].cells[0].badges.empty());
}

TEST_F(ReportTest, TheCurrentRowFollowsInsertionsAndDeletions) {
  kit.Report_InsertColumn(results, 0, "c", 45, 30, nullptr, nullptr);
  kit.Report_InsertRows(results, 0, 3, 38);
  Set(results, SKIN_PROP_CURRENT, 1);
  kit.Report_InsertRows(results, 0, 2, 38);  // at the top
  EXPECT_EQ(Get(results, SKIN_PROP_CURRENT), 3);
  kit.Report_DeleteRows(results, 0);
  EXPECT_EQ(Get(results, SKIN_PROP_CURRENT), 2);
  kit.Report_DeleteRows(results, 2);
  EXPECT_EQ(Get(results, SKIN_PROP_CURRENT), -1);
  Set(results, SKIN_PROP_CURRENT, 0);
  kit.Report_DeleteRows(results, -1);
  EXPECT_EQ(Get(results, SKIN_PROP_CURRENT), -1);
  EXPECT_TRUE(State(results).reportRows.empty());
}

using ListTest = HeadlessTest;

TEST_F(ListTest, RowsTakeTitlesIconsAndTextElements) {
  kit.List_InsertItems(list, 0, 2, 30, 0xFF696969);
  kit.Control_InsertElement(list, -1, 0, SKIN_ELEMENT_TEXT);
  kit.List_SetItemTitle(list, 1, "\\d - digit");
  kit.Control_SetTextElementAttributes(list, 1, 0, 22, 6, 130, 20, "face");
  kit.Control_SetTextElementData(list, 1, 0, "\\d", 0xFF16649E);
  const char png[] = "\x89PNG";
  kit.List_SetItemIcon(list, 0, png, 4);
  const ControlState& state = State(list);
  ASSERT_EQ(state.rows.size(), 2u);
  EXPECT_EQ(state.rows[0].colour, 0xFF696969u);
  EXPECT_EQ(state.rows[0].height, 30);
  EXPECT_EQ(state.rows[0].elements.size(), 1u);  // every row got one
  EXPECT_EQ(state.rows[1].title, "\\d - digit");
  const Element& element = state.rows[1].elements[0];
  EXPECT_EQ(element.text, "\\d");
  EXPECT_EQ(element.colour, 0xFF16649Eu);
  EXPECT_EQ(element.x, 22);
  EXPECT_EQ(element.face, "face");
  EXPECT_EQ(state.rows[0].icon, std::string("\x89PNG", 4));
  kit.List_SetItemIcon(list, 0, png, 0);
  EXPECT_TRUE(State(list).rows[0].icon.empty());
}

TEST_F(ListTest, TheCurrentItemIsNoneOutsideTheRowsAndAfterDeletion) {
  kit.List_InsertItems(list, 0, 3, 30, 0);
  struct Case {
    intptr_t set, read;
  };
  for (Case c : {Case{1, 1}, Case{2, 2}, Case{3, -1}, Case{-1, -1}, Case{-7, -1}}) {
    Set(list, SKIN_PROP_CURRENT, c.set);
    EXPECT_EQ(Get(list, SKIN_PROP_CURRENT), c.read) << c.set;
  }
  Set(list, SKIN_PROP_CURRENT, 2);
  kit.List_DeleteItems(list, -1);
  EXPECT_EQ(Get(list, SKIN_PROP_CURRENT), -1);
  EXPECT_TRUE(State(list).rows.empty());
}

TEST_F(ListTest, SettingTheCurrentItemIsNoChoice) {
  kit.List_InsertItems(list, 0, 3, 30, 0);
  ClearEvents();
  Set(list, SKIN_PROP_CURRENT, 1);
  EXPECT_TRUE(Events().empty());
}

TEST_F(ListTest, PropertiesOfTitlesColoursFacesAndPlaces) {
  Set(button, SKIN_PROP_TITLE, reinterpret_cast<intptr_t>("\xA1\xA4"));
  Set(button, SKIN_PROP_TEXT_COLOUR, static_cast<intptr_t>(0xFE000000u));
  Set(button, SKIN_PROP_FACE, reinterpret_cast<intptr_t>("face"));
  EXPECT_STREQ(reinterpret_cast<const char*>(Get(button, SKIN_PROP_TITLE)), "\xA1\xA4");
  EXPECT_EQ(static_cast<uint32_t>(Get(button, SKIN_PROP_TEXT_COLOUR)), 0xFE000000u);
  EXPECT_EQ(State(button).face, "face");
  EXPECT_EQ(Get(button, SKIN_PROP_VISIBLE), 1);
  kit.Control_SetRect(list, 75, 36, 240, 468);
  int x = 0, y = 0, w = 0, h = 0;
  kit.Control_GetRect(list, &x, &y, &w, &h);
  EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{75, 36, 240, 468}));
  EXPECT_EQ(ControlAt(ControlKind::List, 75, 36), list);
  EXPECT_EQ(NthControl(ControlKind::Edit, 0), pattern);
}

TEST_F(ListTest, TabPagesKeepTheShownPage) {
  SkinHandle other = kit.CreateControl_SkinTabs(window, -1, 0, 0, 10, 10);
  EXPECT_EQ(Get(other, SKIN_PROP_CURRENT), -1);
  kit.Tabs_InsertPage(other, 0, "b");
  EXPECT_EQ(Get(other, SKIN_PROP_CURRENT), 0);
  kit.Tabs_InsertPage(other, 0, "a");  // before the shown page
  EXPECT_EQ(Get(other, SKIN_PROP_CURRENT), 1);
  EXPECT_EQ(State(other).pages, (std::vector<std::string>{"a", "b"}));
}

using MenuTest = HeadlessTest;

struct MenuCall {
  int menu, message, item;
};
std::vector<MenuCall> menuCalls;
int SKINKIT_CALL RecordMenu(int menu, int message, int item, int, int, int) {
  menuCalls.push_back({menu, message, item});
  return 0;
}

TEST_F(MenuTest, AChoiceClosesTheMenuAndCallsBackWithTheItem) {
  menuCalls.clear();
  int menu = kit.Menu_Create(0, 0, nullptr, nullptr, 0, 255, &RecordMenu, 0);
  int cut = kit.Menu_InsertItem(menu, 0, "cut", 0xFF808080, 70, 30, 0);
  int line = kit.Menu_InsertItem(menu, 1, "----", 0xFF999999, 20, 1, 1);
  int all = kit.Menu_InsertItem(menu, 2, "all", 0xFF808080, 70, 30, 0);
  EXPECT_FALSE(ChooseMenuItem(menu, cut));  // not popped up
  kit.Menu_PopUp(menu, 0, 300, 200);
  const MenuState* state = FindMenu(menu);
  ASSERT_NE(state, nullptr);
  EXPECT_TRUE(state->poppedUp);
  EXPECT_EQ(state->popUpX, 300);
  EXPECT_EQ(state->popUpY, 200);
  EXPECT_EQ(state->opacity, 255);
  EXPECT_TRUE(state->items[1].separator);
  ASSERT_TRUE(ChooseMenuItemAt(menu, 2));
  EXPECT_FALSE(FindMenu(menu)->poppedUp);
  ASSERT_EQ(menuCalls.size(), 1u);
  EXPECT_EQ(menuCalls[0].menu, menu);
  EXPECT_EQ(menuCalls[0].message, SKIN_MENU_CHOSEN);
  EXPECT_EQ(menuCalls[0].item, all);
  EXPECT_STREQ(kit.Menu_GetItemTitle(menu, all), "all");
  EXPECT_STREQ(kit.Menu_GetItemTitle(menu, line), "----");
  EXPECT_STREQ(kit.Menu_GetItemTitle(menu, 12345), "");
}

TEST_F(MenuTest, DisabledItemsAndClosedMenusCannotBeChosen) {
  menuCalls.clear();
  int menu = kit.Menu_Create(0, 0, nullptr, nullptr, 0, 255, &RecordMenu, 0);
  int copy = kit.Menu_InsertItem(menu, 0, "copy", 0, 70, 30, 0);
  kit.Menu_SetItemDisabled(menu, copy, 1);
  kit.Menu_PopUp(menu, 0, 0, 0);
  EXPECT_FALSE(ChooseMenuItem(menu, copy));
  kit.Menu_SetItemDisabled(menu, copy, 0);
  DismissMenu(menu);
  EXPECT_FALSE(ChooseMenuItem(menu, copy));
  kit.Menu_PopUp(menu, 0, 0, 0);
  EXPECT_TRUE(ChooseMenuItem(menu, copy));
  EXPECT_EQ(menuCalls.size(), 1u);
  EXPECT_EQ(FindMenu(menu)->popUps, 2);
  kit.Menu_Destroy(menu);
  kit.Menu_PopUp(menu, 0, 0, 0);
  EXPECT_FALSE(ChooseMenuItem(menu, copy));
  EXPECT_TRUE(Menus().empty());
}

TEST_F(MenuTest, ItemsInsertAtTheirIndexAndHandlesStayDistinct) {
  int menu = kit.Menu_Create(0, 0, nullptr, nullptr, 0, 255, &RecordMenu, 0);
  int b = kit.Menu_InsertItem(menu, 0, "b", 0, 0, 0, 0);
  int a = kit.Menu_InsertItem(menu, 0, "a", 0, 0, 0, 0);
  int c = kit.Menu_InsertItem(menu, 99, "c", 0, 0, 0, 0);
  EXPECT_NE(a, b);
  EXPECT_NE(a, menu);
  EXPECT_NE(b, 0);
  const MenuState* state = FindMenu(menu);
  ASSERT_EQ(state->items.size(), 3u);
  EXPECT_EQ(state->items[0].handle, a);
  EXPECT_EQ(state->items[2].handle, c);
  EXPECT_EQ(kit.Menu_InsertItem(menu + 50, 0, "x", 0, 0, 0, 0), 0);
}

}  // namespace
}  // namespace toolkit::headless::testing
