// The match timer: one thread timer whose ticks arrive through the message
// loop. A tick that comes while the handler still runs is dropped.
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace platform {
namespace {

TimerHandler timerHandler = nullptr;
UINT_PTR timerId = 0;

bool inHandler = false;

// A handler that lets pending messages through would otherwise be entered again
// by the next tick, once per period, as deep as its work is long.
void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
  if (!timerHandler || inHandler) return;
  inHandler = true;
  timerHandler();
  inHandler = false;
}

}  // namespace

void SetTimerHandler(TimerHandler handler) { timerHandler = handler; }

void SetTimerPeriod(int milliseconds) {
  if (milliseconds <= 0) {
    if (timerId) KillTimer(nullptr, timerId);
    timerId = 0;
    return;
  }
  // Passing the live id re-arms that timer instead of adding a second one.
  UINT_PTR id = SetTimer(nullptr, timerId, static_cast<UINT>(milliseconds), OnTick);
  if (id) timerId = id;
}

}  // namespace platform
