// INI files with the rules of GetPrivateProfileStringA and WritePrivateProfileStringA:
// names compared without case (ASCII), keys and values trimmed of blanks, one pair
// of enclosing quotes dropped from a value, the first of equal names wins, and a
// write changes one line and keeps every other line of the file.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string TrimEnd(std::string text) {
  while (!text.empty() && IsBlank(text.back())) text.pop_back();
  return text;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// "[name]" gives name; anything else is not a section header.
bool SectionName(const std::string& line, std::string& name) {
  std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] != '[') return false;
  size_t close = trimmed.find(']');
  name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

bool KeyLine(const std::string& line, std::string& key, std::string& value) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  key = Trim(line.substr(0, equals));
  value = Trim(line.substr(equals + 1));
  return true;
}

std::string Unquoted(const std::string& value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string Limited(std::string value) {
  if (value.size() > static_cast<size_t>(kProfileValueMax - 1)) value.resize(kProfileValueMax - 1);
  return value;
}

}  // namespace

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& fallback, const std::string& path) {
  std::string bytes;
  if (ReadWholeFile(path, bytes)) {
    bool inSection = false;
    std::string name, lineKey, value;
    for (const std::string& line : SplitLines(bytes)) {
      if (SectionName(line, name)) {
        if (inSection) break;
        inSection = SameName(name, section);
      } else if (inSection && KeyLine(line, lineKey, value) && SameName(lineKey, key)) {
        return Limited(Unquoted(value));
      }
    }
  }
  return Limited(TrimEnd(fallback));
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path) {
  std::string bytes;
  // A file that is there but cannot be read must not be replaced by one key.
  if (!ReadWholeFile(path, bytes) && FileExists(path)) return false;
  std::vector<std::string> lines = SplitLines(bytes);
  std::string entry = key + "=" + value;

  size_t sectionLine = lines.size();
  std::string name, lineKey, lineValue;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (SectionName(lines[i], name) && SameName(name, section)) {
      sectionLine = i;
      break;
    }
  }
  if (sectionLine == lines.size()) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    // The key's line, or else the place after the section's last non-blank line.
    size_t insertAt = sectionLine + 1;
    bool replaced = false;
    for (size_t i = sectionLine + 1; i < lines.size() && !SectionName(lines[i], name); ++i) {
      if (KeyLine(lines[i], lineKey, lineValue) && SameName(lineKey, key)) {
        lines[i] = entry;
        replaced = true;
        break;
      }
      if (!Trim(lines[i]).empty()) insertAt = i + 1;
    }
    if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
  }

  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return WriteWholeFile(path, out);
}

}  // namespace platform
