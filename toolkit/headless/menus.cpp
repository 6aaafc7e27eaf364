// Pop-up menus. A pop-up only marks the menu open: the choice comes later from
// a test (ChooseMenuItem), as the user's click would.
#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {

MenuState* LivingMenu(int menu) {
  auto& menus = TheKit().menus;
  auto found = menus.find(menu);
  return found == menus.end() || found->second.destroyed ? nullptr : &found->second;
}

MenuItem* ItemOf(MenuState& menu, int item) {
  for (MenuItem& entry : menu.items) {
    if (entry.handle == item) return &entry;
  }
  return nullptr;
}

namespace exports {

int SKINKIT_CALL Menu_Create(int, int, const void*, const void*, int, int opacity, SkinMenuProc callback, int) {
  Kit& kit = TheKit();
  int handle = kit.nextMenu++;
  MenuState& menu = kit.menus[handle];
  menu.handle = handle;
  menu.opacity = opacity;
  menu.callback = callback;
  return handle;
}

int SKINKIT_CALL Menu_InsertItem(int menu, int index, const char* title, uint32_t colour, int width, int height,
                                 int separator) {
  MenuState* state = LivingMenu(menu);
  if (!state) return 0;
  MenuItem item;
  item.handle = TheKit().nextMenuItem++;
  item.title = title ? title : "";
  item.colour = colour;
  item.width = width;
  item.height = height;
  item.separator = separator != 0;
  int count = static_cast<int>(state->items.size());
  if (index < 0 || index > count) index = count;
  state->items.insert(state->items.begin() + index, item);
  return item.handle;
}

void SKINKIT_CALL Menu_SetItemDisabled(int menu, int item, int disabled) {
  MenuState* state = LivingMenu(menu);
  if (MenuItem* entry = state ? ItemOf(*state, item) : nullptr) entry->disabled = disabled != 0;
}

void SKINKIT_CALL Menu_PopUp(int menu, int, int x, int y) {
  MenuState* state = LivingMenu(menu);
  if (!state) return;
  state->poppedUp = true;
  state->popUpX = x;
  state->popUpY = y;
  ++state->popUps;
}

const char* SKINKIT_CALL Menu_GetItemTitle(int menu, int item) {
  MenuState* state = LivingMenu(menu);
  MenuItem* entry = state ? ItemOf(*state, item) : nullptr;
  return entry ? entry->title.c_str() : "";
}

void SKINKIT_CALL Menu_Destroy(int menu) {
  if (MenuState* state = LivingMenu(menu)) {
    state->destroyed = true;
    state->poppedUp = false;
  }
}

}  // namespace exports
}  // namespace toolkit::headless
