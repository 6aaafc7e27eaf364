// A fresh folder per test, removed afterwards, named in the platform's own
// spelling so that the same test passes paths the way the program does.
#pragma once

#include <string>

namespace platform_test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing separator.
  const std::string& Path() const { return path_; }
  // Path() + "\" + name, as the Windows program spells it.
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  // The names of the files in the folder, sorted.
  std::string Listing() const;

 private:
  std::string path_;
};

// Puts a text on the clipboard of whichever layer is under test.
void SetClipboardForTest(const std::string& text);
// Makes a file read-only (Windows attribute or posix write bits), or writable again.
void SetReadOnly(const std::string& path, bool readOnly);

}  // namespace platform_test
