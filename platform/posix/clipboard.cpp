// The clipboard: one text, set by the tests (or by a headless copy).
#include "platform/posix/posix_state.h"

namespace platform {

std::string ClipboardText() { return posix::State().clipboard; }

namespace posix {
void SetClipboardText(const std::string& text) { State().clipboard = text; }
}  // namespace posix

}  // namespace platform
