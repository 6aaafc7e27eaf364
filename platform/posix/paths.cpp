// Folders and the mapping of Windows-style paths onto the file system.
#include <unistd.h>

#include <cctype>
#include <string>

#include "platform/posix/posix_state.h"

namespace platform {
namespace {

std::string WorkingDirectory() {
  std::string buffer(4096, '\0');
  if (!getcwd(buffer.data(), buffer.size())) return ".";
  buffer.resize(buffer.find('\0'));
  return buffer;
}

std::string ExecutableFolder() {
  std::string buffer(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return WorkingDirectory();
  buffer.resize(static_cast<size_t>(n));
  size_t slash = buffer.rfind('/');
  return slash == 0 ? "/" : buffer.substr(0, slash);
}

bool HasDriveLetter(const std::string& path) {
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::string WithoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

}  // namespace

std::string ProgramFolder() {
  const std::string& set = posix::State().programFolder;
  return set.empty() ? ExecutableFolder() : set;
}

std::string CurrentFolder() {
  const std::string& set = posix::State().currentFolder;
  return set.empty() ? WorkingDirectory() : set;
}

namespace posix {

void SetProgramFolder(const std::string& folder) { State().programFolder = WithoutTrailingSlash(folder); }
void SetCurrentFolder(const std::string& folder) { State().currentFolder = WithoutTrailingSlash(folder); }
void SetDriveFolder(const std::string& folder) { State().driveFolder = WithoutTrailingSlash(folder); }
std::string DriveFolder() { return State().driveFolder; }

std::string HostPath(const std::string& path) {
  std::string mapped = path;
  for (char& c : mapped) {
    if (c == '\\') c = '/';
  }
  if (HasDriveLetter(mapped)) {
    char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(mapped[0])));
    std::string rest = mapped.substr(2);
    if (!rest.empty() && rest[0] != '/') rest.insert(rest.begin(), '/');
    return DriveFolder() + "/" + drive + rest;
  }
  // A relative path is relative to the current folder, as on Windows.
  if (!mapped.empty() && mapped[0] != '/' && !State().currentFolder.empty()) {
    return HostPath(State().currentFolder) + "/" + mapped;
  }
  return mapped;
}

}  // namespace posix
}  // namespace platform
