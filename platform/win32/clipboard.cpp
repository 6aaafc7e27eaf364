// The clipboard's CF_TEXT text.
#include <cstring>
#include <string>

#include "platform/platform.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace platform {

std::string ClipboardText() {
  std::string text;
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

namespace win32 {

void SetClipboardText(const std::string& text) {
  // SetClipboardData needs an owner window; a message-only one will do.
  HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (OpenClipboard(owner)) {
    EmptyClipboard();
    if (!text.empty()) {
      if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        char* bytes = static_cast<char*>(GlobalLock(data));
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(data);
        if (!SetClipboardData(CF_TEXT, data)) GlobalFree(data);
      }
    }
    CloseClipboard();
  }
  if (owner) DestroyWindow(owner);
}

}  // namespace win32
}  // namespace platform
