// The screen's vertical pixels per inch, and Windows' own MulDiv.
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace platform {

int ScreenDpiY() {
  HDC screen = GetDC(nullptr);
  if (!screen) return 96;
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int MulDiv(int a, int b, int c) { return ::MulDiv(a, b, c); }

}  // namespace platform
