// Keystrokes from platform::SendKey, delivered to the focused text box, which
// edits itself and the clipboard as a real box does on these keys.
#include "platform/platform.h"
#include "platform/posix/posix_platform.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {
namespace {

constexpr int kBackspace = 0x08;
constexpr int kControl = 0x11;
constexpr int kLeftControl = 0xA2;
constexpr int kRightControl = 0xA3;
constexpr int kDelete = 0x2E;

bool IsControlKey(int key) { return key == kControl || key == kLeftControl || key == kRightControl; }

void Copy(const ControlState& box) {
  if (box.selectionLength > 0) {
    platform::posix::SetClipboardText(BoxTextOf(box, box.selectionStart, box.selectionLength));
  }
}

// Delete and Backspace without a selection take one character after or before it.
bool DeleteOne(ControlState& box, bool forward) {
  if (box.selectionLength == 0) {
    int caret = box.selectionStart;
    int size = static_cast<int>(box.chars.size());
    if (forward ? caret >= size : caret <= 0) return false;
    SetSelection(box, forward ? caret : caret - 1, forward ? caret + 1 : caret);
  }
  return ReplaceSelection(box, u"");
}

// Returns whether the text changed.
bool Edit(ControlState& box, int key, bool control) {
  if (key == kDelete) return DeleteOne(box, true);
  if (key == kBackspace) return DeleteOne(box, false);
  if (!control) return false;
  switch (key) {
    case 'A': SetSelection(box, 0, static_cast<int>(box.chars.size())); return false;
    case 'C': Copy(box); return false;
    case 'X':
      if (box.selectionLength == 0) return false;
      Copy(box);
      return ReplaceSelection(box, u"");
    case 'V': {
      std::string clip = platform::ClipboardText();
      if (clip.empty()) return false;
      return ReplaceSelection(box, TypedCharsFromAnsi(box, clip));
    }
  }
  return false;
}

void OnKey(int key, bool up) {
  Kit& kit = TheKit();
  if (IsControlKey(key)) {
    kit.ctrlDown = !up;
    return;
  }
  if (up || kit.closed) return;
  SkinHandle target = kit.focused;
  ControlState* box = Living(target);
  if (!box || (box->kind != ControlKind::Edit && box->kind != ControlKind::RichEdit)) return;
  if (Edit(*box, key, kit.ctrlDown)) Raise(target, SKIN_EVENT_CHANGED);
}

}  // namespace

void ConnectKeySink() { platform::posix::SetKeySink(&OnKey); }

}  // namespace toolkit::headless
