// Replacing a file in one step: the new bytes go to a file beside it, which is
// flushed and then moved over the old one, so a crash leaves either the old
// file or the new one, never a cut or empty one.
#pragma once

#include <string>

namespace platform::win32 {

// Makes a new empty file in the folder of `path` and gives its name; false
// when the folder is missing or not writable.
bool CreateFileBeside(const std::string& path, std::string& temporary);

// Flushes `temporary` to disk and moves it over `path`. On failure `temporary`
// is removed and `path` is left as it was.
bool MoveOver(const std::string& temporary, const std::string& path);

}  // namespace platform::win32
