// The list box's rows: insertion, deletion, titles and icons.
#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless::exports {

void SKINKIT_CALL List_DeleteItems(SkinHandle list, int index) {
  ControlState* state = Living(list, ControlKind::List);
  if (!state) return;
  int count = static_cast<int>(state->rows.size());
  if (index == -1) {
    state->rows.clear();
    state->current = -1;
    return;
  }
  if (index < 0 || index >= count) return;
  state->rows.erase(state->rows.begin() + index);
  if (state->current == index) {
    state->current = -1;
  } else if (state->current > index) {
    --state->current;
  }
}

void SKINKIT_CALL List_InsertItems(SkinHandle list, int at, int count, int rowHeight, uint32_t colour) {
  ControlState* state = Living(list, ControlKind::List);
  if (!state || count <= 0) return;
  int size = static_cast<int>(state->rows.size());
  if (at < 0 || at > size) at = size;
  ListRow row;
  row.height = rowHeight;
  row.colour = colour;
  state->rows.insert(state->rows.begin() + at, count, row);
  if (state->current >= at) state->current += count;
}

void SKINKIT_CALL List_SetItemTitle(SkinHandle list, int row, const char* title) {
  ControlState* state = Living(list, ControlKind::List);
  if (!state || row < 0 || row >= static_cast<int>(state->rows.size())) return;
  state->rows[row].title = title ? title : "";
}

void SKINKIT_CALL List_SetItemIcon(SkinHandle list, int row, const void* png, int length) {
  ControlState* state = Living(list, ControlKind::List);
  if (!state || row < 0 || row >= static_cast<int>(state->rows.size())) return;
  std::string& icon = state->rows[row].icon;
  if (png && length > 0) {
    icon.assign(static_cast<const char*>(png), static_cast<size_t>(length));
  } else {
    icon.clear();
  }
}

}  // namespace toolkit::headless::exports
