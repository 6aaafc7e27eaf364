// What a test reads of the kit.
#include <cstring>

#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::None: return "None";
    case ControlKind::Window: return "SkinWindow";
    case ControlKind::Tabs: return "SkinTabs";
    case ControlKind::Picture: return "SkinPicture";
    case ControlKind::Label: return "SkinLabel";
    case ControlKind::Button: return "SkinButton";
    case ControlKind::Edit: return "SkinEdit";
    case ControlKind::List: return "SkinList";
    case ControlKind::Report: return "SkinReport";
    case ControlKind::RichEdit: return "SkinRichEdit";
  }
  return "?";
}

const ControlState& State(SkinHandle control) {
  static const ControlState none;
  auto& controls = TheKit().controls;
  auto found = controls.find(control);
  return found == controls.end() ? none : found->second;
}

bool Exists(SkinHandle control) { return Living(control) != nullptr; }
SkinHandle MainWindow() { return TheKit().mainWindow; }
SkinHandle Focused() { return TheKit().focused; }
bool IsClosed() { return TheKit().closed; }
bool IsStarted() { return TheKit().started; }

std::vector<SkinHandle> AllControls() {
  std::vector<SkinHandle> all;
  for (const auto& [handle, state] : TheKit().controls) {
    if (!state.destroyed) all.push_back(handle);
  }
  return all;
}

std::vector<SkinHandle> ControlsOf(ControlKind kind) {
  std::vector<SkinHandle> found;
  for (SkinHandle handle : AllControls()) {
    if (State(handle).kind == kind) found.push_back(handle);
  }
  return found;
}

SkinHandle NthControl(ControlKind kind, int n) {
  std::vector<SkinHandle> found = ControlsOf(kind);
  return n >= 0 && n < static_cast<int>(found.size()) ? found[n] : 0;
}

SkinHandle ControlAt(ControlKind kind, int x, int y) {
  for (SkinHandle handle : ControlsOf(kind)) {
    if (State(handle).x == x && State(handle).y == y) return handle;
  }
  return 0;
}

bool IsShown(SkinHandle control) {
  const ControlState* state = Living(control);
  if (!state || TheKit().closed) return false;
  while (state) {
    if (!state->visible) return false;
    if (state->parent == 0) return true;
    const ControlState* parent = Living(state->parent);
    if (!parent) return false;
    if (state->page >= 0 && (parent->kind != ControlKind::Tabs || parent->current != state->page)) return false;
    state = parent;
  }
  return false;
}

std::string BoxText(SkinHandle box) { return BoxTextOf(State(box), 0, -1); }
int Caret(SkinHandle box) { return State(box).selectionStart; }
int SelectionLength(SkinHandle box) { return State(box).selectionLength; }

std::string FormatAt(SkinHandle rich, int position) {
  const ControlState& state = State(rich);
  if (position < 0 || position >= static_cast<int>(state.formatOfPosition.size())) return "";
  int index = state.formatOfPosition[position];
  return index < 0 ? "" : state.formats[index];
}

int64_t BackColourAt(SkinHandle rich, int position) {
  constexpr uint32_t kBackColourBit = 0x04000000;  // CFM_BACKCOLOR in dwMask, CFE_AUTOBACKCOLOR in dwEffects
  constexpr size_t kMaskOffset = 4, kEffectsOffset = 8, kBackColourOffset = 96;
  std::string record = FormatAt(rich, position);
  if (record.size() < kCharFormat2WSize) return -1;
  auto field = [&record](size_t offset) {
    uint32_t value;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
  };
  if (!(field(kMaskOffset) & kBackColourBit) || (field(kEffectsOffset) & kBackColourBit)) return -1;
  return field(kBackColourOffset);
}

const MenuState* FindMenu(int menu) {
  auto& menus = TheKit().menus;
  auto found = menus.find(menu);
  return found == menus.end() ? nullptr : &found->second;
}

std::vector<int> Menus() {
  std::vector<int> living;
  for (const auto& [handle, menu] : TheKit().menus) {
    if (!menu.destroyed) living.push_back(handle);
  }
  return living;
}

const std::vector<EventRecord>& Events() { return TheKit().events; }
void ClearEvents() { TheKit().events.clear(); }

}  // namespace toolkit::headless
