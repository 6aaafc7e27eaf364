// The program's folder and the current folder, without a trailing backslash.
#include <string>

#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace platform {
namespace {

std::string WithoutTrailingBackslash(std::string folder) {
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

}  // namespace

std::string ProgramFolder() {
  std::string path(32768, '\0');
  DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n < path.size() ? n : 0);
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? CurrentFolder() : path.substr(0, slash);
}

std::string CurrentFolder() {
  DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return ".";
  std::string folder(size, '\0');
  DWORD n = GetCurrentDirectoryA(size, folder.data());
  folder.resize(n < size ? n : 0);
  return WithoutTrailingBackslash(folder);
}

}  // namespace platform
