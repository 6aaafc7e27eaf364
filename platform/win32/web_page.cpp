// A web page in the default browser; whether it opened is not examined.
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace platform {

void OpenWebPage(const std::string& url) {
  ShellExecuteA(nullptr, "open", url.c_str(), "", "", SW_SHOWNORMAL);
}

}  // namespace platform
