// Pending messages and the message loop. There is no window queue here: the
// hook stands for whatever events a test wants handled at that moment.
#include "platform/posix/posix_state.h"

namespace platform {

void ProcessPendingMessages() {
  // A copy, so that the hook may replace itself.
  std::function<void()> hook = posix::State().pendingMessagesHook;
  if (hook) hook();
}

int RunMessageLoop() { return 0; }

namespace posix {
void SetPendingMessagesHook(std::function<void()> hook) { State().pendingMessagesHook = std::move(hook); }
}  // namespace posix

}  // namespace platform
