#include "platform/win32/replace_by_move.h"

#include "platform/win32/windows_api.h"

namespace platform::win32 {
namespace {

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// Whoever wrote the file, its cached bytes reach the disk before the move.
bool Flush(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = FlushFileBuffers(file) != 0;
  return CloseHandle(file) && ok;
}

}  // namespace

bool CreateFileBeside(const std::string& path, std::string& temporary) {
  char name[MAX_PATH + 1] = {};
  if (!GetTempFileNameA(FolderOf(path).c_str(), "vtl", 0, name)) return false;
  temporary = name;
  return true;
}

bool MoveOver(const std::string& temporary, const std::string& path) {
  bool ok = Flush(temporary) &&
            MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileA(temporary.c_str());
  return ok;
}

}  // namespace platform::win32
