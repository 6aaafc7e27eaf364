// Menus: owner-drawn native pop-up menus. Menu and item handles are small
// numbers from 1, never reused; an item's handle is also its command id, so a
// choice comes back from TrackPopupMenu as the handle that the callback gets.
#pragma once

#include <cstdint>

#include "toolkit/skinkit.h"

namespace skinkit {

int MenuCreate(const void* skin, const void* font, int opacity, SkinMenuProc callback);
int MenuInsertItem(int menu, int index, const char* title, uint32_t colour, int width, int height, int separator);
void MenuSetItemDisabled(int menu, int item, int disabled);
void MenuPopUp(int menu, int x, int y);
const char* MenuItemTitle(int menu, int item);
void MenuDestroy(int menu);

}  // namespace skinkit
