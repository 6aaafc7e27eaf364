// The kit's record, events, focus and start-up.
#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {

Kit& TheKit() {
  static Kit kit;
  return kit;
}

ControlState* Living(SkinHandle control) {
  auto& controls = TheKit().controls;
  auto found = controls.find(control);
  if (found == controls.end() || found->second.destroyed) return nullptr;
  return &found->second;
}

ControlState* Living(SkinHandle control, ControlKind kind) {
  ControlState* state = Living(control);
  return state && state->kind == kind ? state : nullptr;
}

intptr_t Raise(SkinHandle control, int event, intptr_t a, intptr_t b) {
  Kit& kit = TheKit();
  kit.events.push_back({control, event, a, b});
  return kit.handler ? kit.handler(control, event, a, b) : 0;
}

void MoveFocus(SkinHandle to) {
  Kit& kit = TheKit();
  if (to != 0 && !Living(to)) return;
  SkinHandle old = kit.focused;
  if (old == to) return;
  // The new owner is in place before the loser hears of it, as with WM_KILLFOCUS.
  kit.focused = to;
  if (Living(old, ControlKind::List)) Raise(old, SKIN_EVENT_FOCUS_LOST);
}

const char* HandOut(SkinHandle control, std::string text) {
  std::string& buffer = TheKit().readBuffers[control];
  buffer = std::move(text);
  return buffer.c_str();
}

void ResetHeadlessKit() {
  TheKit() = Kit();
  ConnectKeySink();
}

namespace exports {

int SKINKIT_CALL SkinKit_Startup(void*) {
  TheKit().started = true;
  ConnectKeySink();
  return 1;
}

void SKINKIT_CALL SkinKit_SetEventHandler(SkinEventProc handler) { TheKit().handler = handler; }

}  // namespace exports
}  // namespace toolkit::headless
