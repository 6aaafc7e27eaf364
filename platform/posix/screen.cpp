// The screen's pixels per inch and MulDiv, which turn font pixels into twips.
#include <cstdint>

#include "platform/posix/posix_state.h"

namespace platform {

int ScreenDpiY() { return posix::State().dpiY; }

// Rounds half away from zero; -1 for a zero divisor or a result outside int.
int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t product = static_cast<int64_t>(a) * b;
  int64_t divisor = c;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  int64_t half = divisor / 2;
  int64_t result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (result > INT32_MAX || result < -INT32_MAX) return -1;
  return static_cast<int>(result);
}

namespace posix {
void SetScreenDpiY(int dpi) { State().dpiY = dpi; }
}  // namespace posix

}  // namespace platform
