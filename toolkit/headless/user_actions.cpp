// What a user can do, raised by a test. Each action first checks that a user
// could reach the control, then does what the real controls do in that order.
#include "platform/posix/posix_platform.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {
namespace {

ControlState* Reachable(SkinHandle control) { return IsShown(control) ? Living(control) : nullptr; }

bool IsBox(const ControlState* state) {
  return state && (state->kind == ControlKind::Edit || state->kind == ControlKind::RichEdit);
}

bool InRange(int value, size_t count) { return value >= 0 && static_cast<size_t>(value) < count; }

}  // namespace

bool TypeText(SkinHandle box, const std::string& gbk) {
  if (!IsBox(Reachable(box))) return false;
  MoveFocus(box);
  ControlState* state = Living(box);
  if (!state) return false;
  if (ReplaceSelection(*state, TypedCharsFromAnsi(*state, gbk))) Raise(box, SKIN_EVENT_CHANGED);
  return true;
}

bool SelectText(SkinHandle box, int start, int length) {
  if (!IsBox(Reachable(box))) return false;
  MoveFocus(box);
  if (ControlState* state = Living(box)) SetSelection(*state, start, start + length);
  return true;
}

void TickTimer() { platform::posix::FireTimer(); }

bool Press(SkinHandle button) {
  ControlState* state = Reachable(button);
  if (!state || state->kind != ControlKind::Button) return false;
  MoveFocus(button);
  if (Living(button)) Raise(button, SKIN_EVENT_PRESSED);
  return true;
}

bool Click(SkinHandle control) {
  ControlState* state = Reachable(control);
  if (!state) return false;
  if (state->kind == ControlKind::Label) {
    Raise(control, SKIN_EVENT_CLICKED);
    return true;
  }
  if (!Press(control)) return false;
  // The release lands on the button only if the press left it there.
  if (Reachable(control)) Raise(control, SKIN_EVENT_CLICKED);
  return true;
}

bool PointerIn(SkinHandle button) {
  ControlState* state = Reachable(button);
  if (!state || state->kind != ControlKind::Button) return false;
  Raise(button, SKIN_EVENT_HOVER, 1);
  return true;
}

bool PointerOut(SkinHandle button) {
  ControlState* state = Reachable(button);
  if (!state || state->kind != ControlKind::Button) return false;
  Raise(button, SKIN_EVENT_HOVER, 0);
  return true;
}

bool RightClick(SkinHandle box) {
  if (!IsBox(Reachable(box))) return false;
  MoveFocus(box);
  if (Living(box)) Raise(box, SKIN_EVENT_RIGHT_CLICK);
  return true;
}

bool ChooseMenuItem(int menu, int item) {
  MenuState* state = LivingMenu(menu);
  if (!state || !state->poppedUp || TheKit().closed) return false;
  MenuItem* entry = ItemOf(*state, item);
  if (!entry || entry->disabled) return false;
  state->poppedUp = false;
  SkinMenuProc callback = state->callback;
  if (callback) callback(menu, SKIN_MENU_CHOSEN, item, 0, 0, 0);
  return true;
}

bool ChooseMenuItemAt(int menu, int position) {
  MenuState* state = LivingMenu(menu);
  if (!state || !InRange(position, state->items.size())) return false;
  return ChooseMenuItem(menu, state->items[position].handle);
}

void DismissMenu(int menu) {
  if (MenuState* state = LivingMenu(menu)) state->poppedUp = false;
}

bool ChooseListItem(SkinHandle list, int row) {
  ControlState* state = Reachable(list);
  if (!state || state->kind != ControlKind::List || !InRange(row, state->rows.size())) return false;
  MoveFocus(list);
  state = Living(list);
  if (!state || !InRange(row, state->rows.size())) return true;
  state->current = row;
  Raise(list, SKIN_EVENT_ITEM_CHOSEN, row);
  return true;
}

bool ClickRow(SkinHandle report, int row, int column) {
  ControlState* state = Reachable(report);
  if (!state || state->kind != ControlKind::Report) return false;
  if (!InRange(row, state->reportRows.size()) || !InRange(column, state->columns.size())) return false;
  MoveFocus(report);
  state = Living(report);
  if (!state || !InRange(row, state->reportRows.size())) return true;
  state->current = row;
  Raise(report, SKIN_EVENT_ROW_CLICKED, column);
  return true;
}

bool GiveFocus(SkinHandle control) {
  if (!Reachable(control)) return false;
  MoveFocus(control);
  return true;
}

void LoseFocus() { MoveFocus(0); }

}  // namespace toolkit::headless
