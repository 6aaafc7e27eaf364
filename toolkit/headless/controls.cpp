// Making, placing, focusing and destroying controls; tabs and pictures.
#include <cstdint>

#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {
namespace {

SkinHandle Create(ControlKind kind, SkinHandle parent, int page, int x, int y, int w, int h) {
  Kit& kit = TheKit();
  if (parent != 0 && !Living(parent)) return 0;  // as CreateWindow with a bad parent
  SkinHandle handle = kit.nextHandle++;
  ControlState& state = kit.controls[handle];
  state.handle = handle;
  state.kind = kind;
  state.parent = parent;
  state.page = page;
  state.x = x;
  state.y = y;
  state.width = w;
  state.height = h;
  if (parent == 0 && kit.mainWindow == 0) {
    kit.mainWindow = handle;
    ConnectKeySink();
  }
  return handle;
}

void MarkDestroyed(SkinHandle control) {
  Kit& kit = TheKit();
  for (auto& [handle, state] : kit.controls) {
    if (state.parent == control && !state.destroyed) MarkDestroyed(handle);
  }
  kit.controls[control].destroyed = true;
  if (kit.focused == control) kit.focused = 0;
}

// Fake native windows: a tagged number per control, never dereferenced.
constexpr uintptr_t kWindowTag = 0x5C000000u;

}  // namespace

void* WindowOf(SkinHandle control) {
  if (!Living(control)) return nullptr;
  return reinterpret_cast<void*>(kWindowTag + static_cast<uintptr_t>(control));
}

namespace exports {

#define HEADLESS_CREATE(kindName)                                                                  \
  SkinHandle SKINKIT_CALL CreateControl_Skin##kindName(SkinHandle parent, int page, int x, int y, \
                                                       int w, int h) {                            \
    return Create(ControlKind::kindName, parent, page, x, y, w, h);                               \
  }
HEADLESS_CREATE(Window)
HEADLESS_CREATE(Tabs)
HEADLESS_CREATE(Picture)
HEADLESS_CREATE(Label)
HEADLESS_CREATE(Button)
HEADLESS_CREATE(Edit)
HEADLESS_CREATE(List)
HEADLESS_CREATE(Report)
HEADLESS_CREATE(RichEdit)
#undef HEADLESS_CREATE

void SKINKIT_CALL Control_SetRect(SkinHandle c, int x, int y, int w, int h) {
  ControlState* state = Living(c);
  if (!state) return;
  state->x = x;
  state->y = y;
  state->width = w;
  state->height = h;
}

void SKINKIT_CALL Control_GetRect(SkinHandle c, int* x, int* y, int* w, int* h) {
  ControlState* state = Living(c);
  ControlState none;
  if (!state) state = &none;
  if (x) *x = state->x;
  if (y) *y = state->y;
  if (w) *w = state->width;
  if (h) *h = state->height;
}

SkinHandle SKINKIT_CALL Control_FromWindow(void* hwnd) {
  uintptr_t value = reinterpret_cast<uintptr_t>(hwnd);
  if (value <= kWindowTag) return 0;
  SkinHandle control = static_cast<SkinHandle>(value - kWindowTag);
  return Living(control) ? control : 0;
}

void SKINKIT_CALL Control_SetFocus(SkinHandle c) { MoveFocus(c); }

void SKINKIT_CALL Control_Destroy(SkinHandle c) {
  Kit& kit = TheKit();
  if (!Living(c)) return;
  if (c == kit.mainWindow) {
    // The loop ends with the window; the handler still sees every control.
    kit.closed = true;
    Raise(c, SKIN_EVENT_DESTROYED);
  }
  MarkDestroyed(c);
}

void SKINKIT_CALL Tabs_InsertPage(SkinHandle tabs, int index, const char* title) {
  ControlState* state = Living(tabs, ControlKind::Tabs);
  if (!state) return;
  int count = static_cast<int>(state->pages.size());
  if (index < 0 || index > count) index = count;
  state->pages.insert(state->pages.begin() + index, title ? title : "");
  if (state->current < 0) {
    state->current = 0;
  } else if (index <= state->current) {
    ++state->current;  // the shown page stays shown
  }
}

void SKINKIT_CALL Picture_SetImage(SkinHandle picture, const void* png, int length) {
  ControlState* state = Living(picture, ControlKind::Picture);
  if (!state) return;
  if (png && length > 0) {
    state->image.assign(static_cast<const char*>(png), static_cast<size_t>(length));
  } else {
    state->image.clear();
  }
}

}  // namespace exports
}  // namespace toolkit::headless
