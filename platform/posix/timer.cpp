// The match timer. Nothing ticks by itself: a test calls FireTimer() where
// Windows would deliver WM_TIMER, and only an armed timer delivers.
#include "platform/posix/posix_state.h"

namespace platform {

void SetTimerHandler(TimerHandler handler) { posix::State().timerHandler = handler; }

void SetTimerPeriod(int milliseconds) { posix::State().timerPeriod = milliseconds < 0 ? 0 : milliseconds; }

namespace posix {

int TimerPeriod() { return State().timerPeriod; }

void FireTimer() {
  // As on Windows: no tick enters a handler that is still running.
  PosixState& state = State();
  if (state.timerPeriod <= 0 || !state.timerHandler || state.timerInHandler) return;
  state.timerInHandler = true;
  state.timerHandler();
  State().timerInHandler = false;
}

}  // namespace posix
}  // namespace platform
