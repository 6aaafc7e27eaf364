// The posix layer's state and its reset.
#include "platform/posix/posix_state.h"

namespace platform::posix {

PosixState& State() {
  static PosixState state;
  return state;
}

void ResetForTest() { State() = PosixState{}; }

}  // namespace platform::posix
