// Whole-file reads and writes. A write fills a new file in the same folder and
// moves it over the old one in one step, so the old bytes stay until the new
// ones are complete on disk.
#include <string>

#include "platform/platform.h"
#include "platform/win32/replace_by_move.h"
#include "platform/win32/windows_api.h"

namespace platform {
namespace {

bool ReadLimited(const std::string& path, std::string& bytes, size_t limit) {
  bytes.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  char chunk[65536];
  while (bytes.size() < limit) {
    DWORD want = static_cast<DWORD>(limit - bytes.size() < sizeof chunk ? limit - bytes.size() : sizeof chunk);
    DWORD got = 0;
    if (!ReadFile(file, chunk, want, &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  CloseHandle(file);
  if (!ok) bytes.clear();
  return ok;
}

bool WriteTo(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    DWORD written = 0;
    DWORD want = static_cast<DWORD>(bytes.size() - done > (1u << 20) ? (1u << 20) : bytes.size() - done);
    ok = WriteFile(file, bytes.data() + done, want, &written, nullptr) && written > 0;
    done += written;
  }
  return CloseHandle(file) && ok;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  return ReadLimited(path, bytes, static_cast<size_t>(-1));
}

bool ReadFileHead(const std::string& path, int maxBytes, std::string& bytes) {
  return ReadLimited(path, bytes, maxBytes < 0 ? 0 : static_cast<size_t>(maxBytes));
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    return false;
  }
  std::string temporary;
  if (!win32::CreateFileBeside(path, temporary)) return false;
  if (!WriteTo(temporary, bytes)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return win32::MoveOver(temporary, path);
}

}  // namespace platform
