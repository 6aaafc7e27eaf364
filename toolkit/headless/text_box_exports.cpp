// The text boxes' exports: selection, caret, visibility and stretch formats.
#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless::exports {

int SKINKIT_CALL Edit_GetSelectionLength(SkinHandle edit) {
  ControlState* box = Living(edit, ControlKind::Edit);
  return box ? box->selectionLength : 0;
}

int SKINKIT_CALL RichEdit_GetSelectionLength(SkinHandle rich) {
  ControlState* box = Living(rich, ControlKind::RichEdit);
  return box ? box->selectionLength : 0;
}

int SKINKIT_CALL RichEdit_GetCaret(SkinHandle rich) {
  ControlState* box = Living(rich, ControlKind::RichEdit);
  return box ? box->selectionStart : 0;
}

void SKINKIT_CALL RichEdit_SetCaret(SkinHandle rich, int pos) {
  if (ControlState* box = Living(rich, ControlKind::RichEdit)) SetSelection(*box, pos, pos);
}

void SKINKIT_CALL RichEdit_SetSelectionLength(SkinHandle rich, int length) {
  ControlState* box = Living(rich, ControlKind::RichEdit);
  if (box) SetSelection(*box, box->selectionStart, box->selectionStart + length);
}

void SKINKIT_CALL RichEdit_EnsureVisible(SkinHandle rich, int pos) {
  if (ControlState* box = Living(rich, ControlKind::RichEdit)) box->ensuredVisible = pos;
}

void SKINKIT_CALL RichEdit_SetSelectionFormat(SkinHandle rich, const void* charFormat2W) {
  if (ControlState* box = Living(rich, ControlKind::RichEdit)) ApplySelectionFormat(*box, charFormat2W);
}

}  // namespace toolkit::headless::exports
