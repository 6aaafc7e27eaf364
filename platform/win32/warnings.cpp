// The one message box the program may show.
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace platform {

void ShowWarning(const std::string& text, const std::string& caption) {
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace platform
