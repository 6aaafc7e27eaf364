// What a test can steer of the Windows platform layer: only what the program
// itself never does, so the layer stays the plain Windows calls.
#pragma once

#include <string>

namespace platform::win32 {

// Puts a CF_TEXT text on the clipboard (an empty text empties it).
void SetClipboardText(const std::string& text);

}  // namespace platform::win32
