// The edit menu: built once, greyed per right-click, commands as keystrokes.
#include "workbench/edit_menu.h"

#include <cstring>
#include <string>

#include "platform/platform.h"
#include "workbench/workbench_state.h"

namespace workbench {
namespace {

const char kMenuTitle[] = "表达式菜单";
const char kSeparatorText[] = "-";
const char kSeparatorTitle[] = "————";
const char* const kItemTexts[] = {"剪切", "复制", "删除", "粘贴", kSeparatorText, "全选"};

constexpr uint32_t kItemColour = 0xFF808080;
constexpr uint32_t kSeparatorColour = 0xFF999999;
constexpr int kOpacity = 255;

constexpr int kVkControl = 0x11;
constexpr int kVkDelete = 0x2E;

// The menu's skin, a block marked "SkinKit": the marker and its NUL, the
// block's size (u32, little-endian), then ARGB colours (u32 each): background,
// highlighted item background, border, highlighted item text.
const unsigned char kEditMenuSkin[] = {
    'S', 'k', 'i', 'n', 'K', 'i', 't', 0,   //
    28, 0, 0, 0,                            // block size
    0xFF, 0xFF, 0xFF, 0xFF,                 // background: white
    0xF0, 0xF0, 0xF0, 0xFF,                 // highlighted item: light grey
    0xDD, 0xDD, 0xDD, 0xFF,                 // border
    0x9E, 0x64, 0x16, 0xFF,                 // highlighted text: 0xFF16649E
};
static_assert(sizeof(kEditMenuSkin) == 28, "the block's size field must match");

void SetItemGreyed(const char* title, bool greyed) {
  skin->Menu_SetItemDisabled(MenuHandle(), ItemHandle(title), greyed ? 1 : 0);
}

// Greys the items from the right-clicked box's state, then pops the menu up.
void PopUpFor(int selectionLength, const std::string& boxText) {
  SetItemGreyed("剪切", selectionLength == 0);
  SetItemGreyed("复制", selectionLength == 0);
  SetItemGreyed("删除", selectionLength == 0);
  SetItemGreyed("全选", boxText.empty());
  SetItemGreyed("粘贴", platform::ClipboardText().empty());
  int x = 0, y = 0;
  platform::PointerPosition(x, y);
  skin->Menu_PopUp(MenuHandle(), 0, x, y);
}

void PressWithControl(int virtualKey) {
  platform::SendKey(kVkControl, false);
  platform::SendKey(virtualKey, false);
  platform::SendKey(virtualKey, true);
  platform::SendKey(kVkControl, true);
}

}  // namespace

void BuildEditMenu() {
  const void* font = styleRecord.listFont.empty() ? nullptr : styleRecord.listFont.data();
  int menu = skin->Menu_Create(0, 0, kEditMenuSkin, font, 0, kOpacity, OnEditMenuEvent, 0);
  menuItemTable.push_back({menu, kMenuTitle});
  for (int i = 0; i < 6; ++i) {
    const char* text = kItemTexts[i];
    int item = std::strcmp(text, kSeparatorText) == 0
                   ? skin->Menu_InsertItem(menu, i, kSeparatorTitle, kSeparatorColour, 20, 1, 1)
                   : skin->Menu_InsertItem(menu, i, text, kItemColour, 70, 30, 0);
    menuItemTable.push_back({item, text});
  }
}

int MenuHandle() { return menuItemTable.empty() ? -1 : menuItemTable[0].handle; }

int ItemHandle(const char* title) {
  for (const MenuItemEntry& entry : menuItemTable) {
    if (entry.title == title) return entry.handle;
  }
  return 0;
}

void OnPatternBoxRightClicked() {
  PopUpFor(skin->Edit_GetSelectionLength(controls.patternBox),
           GetTextProperty(controls.patternBox, SKIN_PROP_EDIT_TEXT));
}

void OnSubjectBoxRightClicked() {
  PopUpFor(skin->RichEdit_GetSelectionLength(controls.subjectBox),
           GetTextProperty(controls.subjectBox, SKIN_PROP_RICH_TEXT));
}

int SKINKIT_CALL OnEditMenuEvent(int menu, int message, int item, int, int, int) {
  if (message != SKIN_MENU_CHOSEN || menu != MenuHandle()) return 0;
  const char* shown = skin->Menu_GetItemTitle(menu, item);
  std::string title = shown ? shown : "";
  // The box that was right-clicked holds the focus, so the keys reach it.
  if (title == "剪切") {
    PressWithControl('X');
  } else if (title == "复制") {
    PressWithControl('C');
  } else if (title == "粘贴") {
    PressWithControl('V');
  } else if (title == "全选") {
    PressWithControl('A');
  } else if (title == "删除") {
    platform::SendKey(kVkDelete, false);
    platform::SendKey(kVkDelete, true);
  }
  return 0;
}

}  // namespace workbench
