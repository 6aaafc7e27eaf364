// Numbered properties: Control_SendMessage's SET and GET.
//
// Each number works on the kinds of control that own it; on any other kind,
// and for unknown numbers, the value is only kept and given back, so a
// property sent to the wrong control changes nothing visible.
#include <cstring>

#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {
namespace {

std::string TextOf(intptr_t value) {
  const char* text = reinterpret_cast<const char*>(value);
  return text ? text : "";
}

// Clamps a current item or row: anything outside the rows means none.
int CurrentWithin(intptr_t value, size_t count) {
  return value >= 0 && static_cast<size_t>(value) < count ? static_cast<int>(value) : -1;
}

bool OwnsCurrent(ControlKind kind) {
  return kind == ControlKind::List || kind == ControlKind::Report || kind == ControlKind::Tabs;
}

size_t CurrentCount(const ControlState& state) {
  switch (state.kind) {
    case ControlKind::List: return state.rows.size();
    case ControlKind::Report: return state.reportRows.size();
    case ControlKind::Tabs: return state.pages.size();
    default: return 0;
  }
}

void Set(SkinHandle c, ControlState& state, int number, intptr_t value) {
  switch (number) {
    case SKIN_PROP_VISIBLE: state.visible = value != 0; return;
    case SKIN_PROP_TEXT_COLOUR: state.textColour = static_cast<uint32_t>(value); return;
    case SKIN_PROP_FACE: state.face = TextOf(value); return;
    case SKIN_PROP_TITLE: state.title = TextOf(value); return;
    case SKIN_PROP_CURRENT:
      if (OwnsCurrent(state.kind)) {
        state.current = CurrentWithin(value, CurrentCount(state));
        return;
      }
      break;
    case SKIN_PROP_DEFAULT_FORMAT:
      if (state.kind == ControlKind::RichEdit) {
        if (value) state.defaultFormat.assign(reinterpret_cast<const char*>(value), kCharFormat2WSize);
        return;
      }
      break;
    case SKIN_PROP_LINE_WRAP:
      if (state.kind == ControlKind::RichEdit) {
        state.lineWrap = value != 0;
        return;
      }
      break;
    case SKIN_PROP_RICH_TEXT:
      if (state.kind == ControlKind::RichEdit) {
        SetWholeText(c, TextOf(value));
        return;
      }
      break;
    case SKIN_PROP_EDIT_TEXT:
      if (state.kind == ControlKind::Edit) {
        SetWholeText(c, TextOf(value));
        return;
      }
      break;
  }
  state.otherProperties[number] = value;
}

intptr_t Get(SkinHandle c, const ControlState& state, int number) {
  auto text = [c](std::string value) { return reinterpret_cast<intptr_t>(HandOut(c, std::move(value))); };
  switch (number) {
    case SKIN_PROP_VISIBLE: return state.visible ? 1 : 0;
    case SKIN_PROP_TEXT_COLOUR: return static_cast<intptr_t>(state.textColour);
    case SKIN_PROP_FACE: return text(state.face);
    case SKIN_PROP_TITLE: return text(state.title);
    case SKIN_PROP_CURRENT:
      if (OwnsCurrent(state.kind)) return state.current;
      break;
    case SKIN_PROP_DEFAULT_FORMAT:
      if (state.kind == ControlKind::RichEdit) {
        return state.defaultFormat.empty() ? 0 : reinterpret_cast<intptr_t>(state.defaultFormat.data());
      }
      break;
    case SKIN_PROP_LINE_WRAP:
      if (state.kind == ControlKind::RichEdit) return state.lineWrap ? 1 : 0;
      break;
    case SKIN_PROP_RICH_TEXT:
      if (state.kind == ControlKind::RichEdit) return text(BoxTextOf(state, 0, -1));
      break;
    case SKIN_PROP_EDIT_TEXT:
      if (state.kind == ControlKind::Edit) return text(BoxTextOf(state, 0, -1));
      break;
  }
  auto found = state.otherProperties.find(number);
  return found == state.otherProperties.end() ? 0 : found->second;
}

}  // namespace

namespace exports {

intptr_t SKINKIT_CALL Control_SendMessage(SkinHandle c, int message, int number, intptr_t value) {
  ControlState* state = Living(c);
  if (!state) return 0;
  if (message == SKIN_MSG_SET) {
    Set(c, *state, number, value);
    return 0;
  }
  if (message == SKIN_MSG_GET) return Get(c, *state, number);
  return 0;
}

}  // namespace exports
}  // namespace toolkit::headless
