#include "toolkit/win32/caption.h"

#include "toolkit/win32/text.h"

namespace skinkit {

bool Caption::Set(Control& owner, int number, intptr_t value) {
  const char* text = reinterpret_cast<const char*>(value);
  switch (number) {
    case SKIN_PROP_TITLE:
      title = Wide(text);
      break;
    case SKIN_PROP_TEXT_COLOUR:
      colour = static_cast<uint32_t>(value);
      break;
    case SKIN_PROP_FACE:
      faceAnsi = text ? text : "";
      face = Wide(text);
      break;
    default:
      return false;
  }
  InvalidateRect(owner.host, nullptr, FALSE);
  return true;
}

bool Caption::Get(Control& owner, int number, intptr_t* value) {
  switch (number) {
    case SKIN_PROP_TITLE:
      *value = reinterpret_cast<intptr_t>(owner.HandOut(title));
      return true;
    case SKIN_PROP_TEXT_COLOUR:
      *value = static_cast<intptr_t>(colour);
      return true;
    case SKIN_PROP_FACE:
      *value = reinterpret_cast<intptr_t>(owner.HandOut(face));
      return true;
  }
  return false;
}

}  // namespace skinkit
