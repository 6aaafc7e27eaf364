// Opening a web page: there is no browser to start, so the address is recorded.
#include "platform/posix/posix_state.h"

namespace platform {

void OpenWebPage(const std::string& url) { posix::State().openedPages.push_back(url); }

namespace posix {
const std::vector<std::string>& OpenedPages() { return State().openedPages; }
void ClearOpenedPages() { State().openedPages.clear(); }
}  // namespace posix

}  // namespace platform
