// The edit menu of the pattern box and the subject box: its items, greying,
// the keystrokes of each command and what they do to the boxes.
#include <string>
#include <utility>
#include <vector>

#include "workbench/edit_menu.h"
#include "workbench_fixture.h"

namespace workbench::testing {
namespace {

using EditMenuTest = WorkbenchFixture;
using Keys = std::vector<std::pair<int, bool>>;  // virtual key, released

bool Greyed(const char* title) {
  const kit::MenuState* menu = kit::FindMenu(MenuHandle());
  for (const kit::MenuItem& item : menu->items) {
    if (item.handle == ItemHandle(title)) return item.disabled;
  }
  ADD_FAILURE() << "no item " << title;
  return false;
}

TEST_F(EditMenuTest, IsBuiltOnceWithSixItemsAndItsTable) {
  EXPECT_EQ(MenuHandle(), -1);  // nothing built yet
  Start();
  ASSERT_EQ(kit::Menus().size(), 1u);
  const kit::MenuState* menu = kit::FindMenu(MenuHandle());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->opacity, 255);
  ASSERT_EQ(menuItemTable.size(), 7u);
  EXPECT_EQ(menuItemTable[0].title, "表达式菜单");
  EXPECT_EQ(menuItemTable[0].handle, MenuHandle());

  struct Item {
    const char* tableTitle;
    const char* shownTitle;
    uint32_t colour;
    int width, height;
    bool separator;
  };
  const Item items[] = {
      {"剪切", "剪切", 0xFF808080, 70, 30, false}, {"复制", "复制", 0xFF808080, 70, 30, false},
      {"删除", "删除", 0xFF808080, 70, 30, false}, {"粘贴", "粘贴", 0xFF808080, 70, 30, false},
      {"-", "————", 0xFF999999, 20, 1, true},      {"全选", "全选", 0xFF808080, 70, 30, false},
  };
  ASSERT_EQ(menu->items.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    const kit::MenuItem& item = menu->items[i];
    EXPECT_EQ(menuItemTable[i + 1].title, items[i].tableTitle);
    EXPECT_EQ(menuItemTable[i + 1].handle, item.handle);
    EXPECT_EQ(ItemHandle(items[i].tableTitle), item.handle);
    EXPECT_EQ(item.title, items[i].shownTitle);
    EXPECT_EQ(item.colour, items[i].colour);
    EXPECT_EQ(item.width, items[i].width);
    EXPECT_EQ(item.height, items[i].height);
    EXPECT_EQ(item.separator, items[i].separator);
  }
  EXPECT_EQ(ItemHandle("表达式菜单"), MenuHandle());
  EXPECT_EQ(ItemHandle("————"), 0);  // the table holds "-" for the separator
  EXPECT_EQ(ItemHandle("撤销"), 0);
}

struct GreyCase {
  const char* name;
  bool subjectBox;
  const char* text;
  int selectFrom, selectLength;
  const char* clipboard;
  bool cutCopyDelete, paste, selectAll;  // greyed
};

class EditMenuGreying : public WorkbenchFixture, public ::testing::WithParamInterface<GreyCase> {};

TEST_P(EditMenuGreying, FollowsTheClickedBoxAndTheClipboard) {
  const GreyCase& c = GetParam();
  Start();
  SkinHandle box = c.subjectBox ? controls.subjectBox : controls.patternBox;
  if (*c.text) c.subjectBox ? TypeSubject(c.text) : TypePattern(c.text);
  ASSERT_TRUE(kit::SelectText(box, c.selectFrom, c.selectLength));
  platform::posix::SetClipboardText(c.clipboard);
  platform::posix::SetPointerPosition(321, 654);

  ASSERT_TRUE(kit::RightClick(box));
  const kit::MenuState* menu = kit::FindMenu(MenuHandle());
  EXPECT_TRUE(menu->poppedUp);
  EXPECT_EQ(menu->popUpX, 321);
  EXPECT_EQ(menu->popUpY, 654);
  for (const char* title : {"剪切", "复制", "删除"}) EXPECT_EQ(Greyed(title), c.cutCopyDelete) << title;
  EXPECT_EQ(Greyed("粘贴"), c.paste);
  EXPECT_EQ(Greyed("全选"), c.selectAll);
  EXPECT_FALSE(Greyed("-"));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EditMenuGreying,
    ::testing::Values(GreyCase{"EmptyPatternEmptyClipboard", false, "", 0, 0, "", true, true, true},
                      GreyCase{"PatternNoSelection", false, "abc", 1, 0, "x", true, false, false},
                      GreyCase{"PatternSelection", false, "abc", 0, 2, "", false, true, false},
                      GreyCase{"SubjectSelectionAndClipboard", true, "a\r\nb", 0, 3, "x", false, false, false},
                      GreyCase{"EmptySubjectWithClipboard", true, "", 0, 0, "x", true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditMenuTest, GreyingIsSetAnewForEachRightClickedBox) {
  Start();
  TypeSubject("subject");
  ASSERT_TRUE(kit::SelectText(controls.subjectBox, 0, 3));
  ASSERT_TRUE(kit::RightClick(controls.subjectBox));
  ASSERT_FALSE(Greyed("剪切"));
  kit::DismissMenu(MenuHandle());
  ASSERT_TRUE(kit::RightClick(controls.patternBox));  // empty, nothing selected
  EXPECT_TRUE(Greyed("剪切"));
  EXPECT_TRUE(Greyed("全选"));
}

TEST_F(EditMenuTest, EachCommandSendsItsKeystrokes) {
  Start();
  Keys keys;
  platform::posix::SetKeySink([&keys](int key, bool up) { keys.push_back({key, up}); });
  const std::pair<const char*, Keys> cases[] = {
      {"剪切", {{0x11, false}, {0x58, false}, {0x58, true}, {0x11, true}}},
      {"复制", {{0x11, false}, {0x43, false}, {0x43, true}, {0x11, true}}},
      {"粘贴", {{0x11, false}, {0x56, false}, {0x56, true}, {0x11, true}}},
      {"全选", {{0x11, false}, {0x41, false}, {0x41, true}, {0x11, true}}},
      {"删除", {{0x2E, false}, {0x2E, true}}},
      {"-", {}},
  };
  for (const auto& [title, expected] : cases) {
    keys.clear();
    EXPECT_EQ(OnEditMenuEvent(MenuHandle(), SKIN_MENU_CHOSEN, ItemHandle(title), 0, 0, 0), 0);
    EXPECT_EQ(keys, expected) << title;
  }
}

TEST_F(EditMenuTest, OtherMessagesAndOtherMenusAreIgnored) {
  Start();
  Keys keys;
  platform::posix::SetKeySink([&keys](int key, bool up) { keys.push_back({key, up}); });
  EXPECT_EQ(OnEditMenuEvent(MenuHandle(), SKIN_MENU_CHOSEN + 1, ItemHandle("全选"), 0, 0, 0), 0);
  EXPECT_EQ(OnEditMenuEvent(MenuHandle() + 1000, SKIN_MENU_CHOSEN, ItemHandle("全选"), 0, 0, 0), 0);
  EXPECT_TRUE(keys.empty());
}

// Through the real keystroke path: the box's own editing does the work.
TEST_F(EditMenuTest, CutRemovesTheSelectionSavesTheSubjectAndFillsTheClipboard) {
  Start();
  TypeSubject("one two");
  ASSERT_TRUE(kit::SelectText(controls.subjectBox, 0, 4));
  ASSERT_TRUE(kit::RightClick(controls.subjectBox));
  ASSERT_TRUE(kit::ChooseMenuItem(MenuHandle(), ItemHandle("剪切")));
  EXPECT_EQ(SubjectText(), "two");
  EXPECT_EQ(platform::ClipboardText(), "one ");
  EXPECT_EQ(ReadDataFile("source.dat"), "two");
}

TEST_F(EditMenuTest, DeleteRemovesTheSelectionWithoutTouchingTheClipboard) {
  Start();
  platform::posix::SetClipboardText("keep");
  TypeSubject("a\r\nb c");
  ASSERT_TRUE(kit::SelectText(controls.subjectBox, 1, 1));  // the line break
  ASSERT_TRUE(kit::RightClick(controls.subjectBox));
  ASSERT_TRUE(kit::ChooseMenuItem(MenuHandle(), ItemHandle("删除")));
  EXPECT_EQ(SubjectText(), "ab c");
  EXPECT_EQ(ReadDataFile("source.dat"), "ab c");
  EXPECT_EQ(platform::ClipboardText(), "keep");
}

TEST_F(EditMenuTest, CopyThenPasteIntoThePatternBoxCountsAsAnEdit) {
  Start();
  TypeSubject("\\d+ 12 345");
  ASSERT_TRUE(kit::SelectText(controls.subjectBox, 0, 3));
  ASSERT_TRUE(kit::RightClick(controls.subjectBox));
  ASSERT_TRUE(kit::ChooseMenuItem(MenuHandle(), ItemHandle("复制")));
  EXPECT_EQ(SubjectText(), "\\d+ 12 345");
  EXPECT_EQ(platform::ClipboardText(), "\\d+");

  ASSERT_TRUE(kit::RightClick(controls.patternBox));
  ASSERT_FALSE(Greyed("粘贴"));
  ASSERT_TRUE(kit::ChooseMenuItem(MenuHandle(), ItemHandle("粘贴")));
  EXPECT_EQ(PatternText(), "\\d+");
  EXPECT_EQ(ConfigValue("Pattern"), "\\d+");
  EXPECT_EQ(TimerPeriod(), 1000);
  Tick();
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(EditMenuTest, SelectAllSelectsTheWholeBox) {
  Start();
  TypeSubject("x\r\nyz");
  ASSERT_TRUE(kit::SelectText(controls.subjectBox, 2, 0));
  ASSERT_TRUE(kit::RightClick(controls.subjectBox));
  ASSERT_TRUE(kit::ChooseMenuItem(MenuHandle(), ItemHandle("全选")));
  EXPECT_EQ(Caret(), 0);
  EXPECT_EQ(SelectionLength(), 4);  // one position for the line break
}

TEST_F(EditMenuTest, ChoosingTheSeparatorChangesNothing) {
  Start();
  TypeSubject("text");
  ASSERT_TRUE(kit::SelectText(controls.subjectBox, 0, 2));
  ASSERT_TRUE(kit::RightClick(controls.subjectBox));
  kit::ChooseMenuItem(MenuHandle(), ItemHandle("-"));
  EXPECT_EQ(SubjectText(), "text");
  EXPECT_EQ(SelectionLength(), 2);
}

}  // namespace
}  // namespace workbench::testing
