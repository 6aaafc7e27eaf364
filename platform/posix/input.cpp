// Keystrokes and the mouse pointer. Keystrokes go to the sink that the headless
// toolkit installs; without one they are lost, as with no focused window.
#include "platform/posix/posix_state.h"

namespace platform {

void SendKey(int virtualKey, bool up) {
  if (posix::State().keySink) posix::State().keySink(virtualKey, up);
}

void PointerPosition(int& x, int& y) {
  x = posix::State().pointerX;
  y = posix::State().pointerY;
}

namespace posix {

void SetKeySink(std::function<void(int virtualKey, bool up)> sink) { State().keySink = std::move(sink); }

void SetPointerPosition(int x, int y) {
  State().pointerX = x;
  State().pointerY = y;
}

}  // namespace posix
}  // namespace platform
