// Keystrokes as if typed, and the mouse pointer's screen position.
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace platform {

void SendKey(int virtualKey, bool up) {
  keybd_event(static_cast<BYTE>(virtualKey), 0, up ? KEYEVENTF_KEYUP : 0, 0);
}

void PointerPosition(int& x, int& y) {
  POINT point = {0, 0};
  GetCursorPos(&point);
  x = point.x;
  y = point.y;
}

}  // namespace platform
