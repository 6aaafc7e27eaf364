// The edit menu of the pattern box and the subject box: 剪切, 复制, 删除, 粘贴,
// a separator and 全选, built once at start-up.
//
// Items are greyed before each pop-up from the right-clicked box's selection,
// its text and the clipboard. A chosen command is sent as the usual keystrokes
// to the focused box, so the box's own editing does the work and raises its
// change event as typing would.
#pragma once

#include "toolkit/skinkit.h"

namespace workbench {

// Creates the menu and fills the menu item table; needs styleRecord's listFont.
void BuildEditMenu();

// Entry 0 of the menu item table, -1 while it is empty.
int MenuHandle();
// The first entry whose title equals `title` byte for byte; 0 when none.
int ItemHandle(const char* title);

void OnPatternBoxRightClicked();
void OnSubjectBoxRightClicked();

// The menu's callback; message SKIN_MENU_CHOSEN carries the chosen item.
int SKINKIT_CALL OnEditMenuEvent(int menu, int message, int item, int, int, int);

}  // namespace workbench
