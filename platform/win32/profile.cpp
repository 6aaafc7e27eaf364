// Profile files through the Windows profile functions themselves.
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/replace_by_move.h"
#include "platform/win32/windows_api.h"

namespace platform {

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& fallback, const std::string& path) {
  std::vector<char> value(kProfileValueMax, '\0');
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value.data(),
                                     static_cast<DWORD>(value.size()), path.c_str());
  return std::string(value.data(), n < value.size() ? n : 0);
}

// WritePrivateProfileStringA rewrites the file in place, so a crash in the
// middle would leave it cut; it works on a copy that then replaces the file.
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // Only a file that is surely absent may start from nothing.
  if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  // Windows refuses a read-only file; Wine run by root would write it anyway.
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;

  std::string copy;
  if (!win32::CreateFileBeside(path, copy)) return false;
  if ((exists && !CopyFileA(path.c_str(), copy.c_str(), FALSE)) ||
      !WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), copy.c_str())) {
    DeleteFileA(copy.c_str());
    return false;
  }
  return win32::MoveOver(copy, path);
}

}  // namespace platform
