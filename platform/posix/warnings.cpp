// Message boxes: nobody could press OK, so each one is recorded instead.
#include "platform/posix/posix_state.h"

namespace platform {

void ShowWarning(const std::string& text, const std::string& caption) {
  posix::State().warnings.push_back(caption + ": " + text);
}

namespace posix {
const std::vector<std::string>& Warnings() { return State().warnings; }
void ClearWarnings() { State().warnings.clear(); }
}  // namespace posix

}  // namespace platform
