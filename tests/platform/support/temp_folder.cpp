#include "support/temp_folder.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <random>
#include <vector>

#ifdef _WIN32
#include "platform/win32/win32_platform.h"
#else
#include "platform/posix/posix_platform.h"
#endif

namespace fs = std::filesystem;

namespace platform_test {
namespace {

fs::path Native(const std::string& path) {
#ifdef _WIN32
  return fs::path(path);
#else
  return fs::path(platform::posix::HostPath(path));
#endif
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> serial{0};
  std::random_device seed;
  fs::path folder = fs::temp_directory_path() /
                    ("vintrel-platform-" + std::to_string(seed()) + "-" + std::to_string(serial++));
  fs::create_directories(folder);
  path_ = folder.string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

std::string TempFolder::Listing() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::string listing;
  for (const auto& name : names) listing += (listing.empty() ? "" : " ") + name;
  return listing;
}

void SetClipboardForTest(const std::string& text) {
#ifdef _WIN32
  platform::win32::SetClipboardText(text);
#else
  platform::posix::SetClipboardText(text);
#endif
}

void SetReadOnly(const std::string& path, bool readOnly) {
  fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(Native(path), write, readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

}  // namespace platform_test
