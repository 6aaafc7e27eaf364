// Profile files through the Windows profile functions themselves.
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace platform {

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& fallback, const std::string& path) {
  std::vector<char> value(kProfileValueMax, '\0');
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value.data(),
                                     static_cast<DWORD>(value.size()), path.c_str());
  return std::string(value.data(), n < value.size() ? n : 0);
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path) {
  // Windows refuses a read-only file; Wine run by root would write it anyway.
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

}  // namespace platform
