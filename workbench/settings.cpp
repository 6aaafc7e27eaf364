#include "workbench/settings.h"

#include "platform/codepage.h"
#include "platform/platform.h"
#include "workbench/workbench_state.h"

namespace workbench {

const char kSettingsSection[] = "RegEx";

namespace {

struct OptionDefinition {
  const char* title;
  const char* key;
};

const OptionDefinition kOptions[kOptionCount] = {
    {"全局匹配", "Global"},         {"区分大小写", "CaseSensitive"},   {"匹配换行符", "Multiline"},
    {"匹配行首行尾", "Searchline"}, {"查看子匹配文本", "LookSubText"}, {"悬浮显示列表", "SuspendLst"},
    {"源码框自动换行", "Autoline"}, {"空匹配文本提示", "EmptyPrompt"},
};

std::string DataPath(const char* name) { return platform::ProgramFolder() + "\\Data\\" + name; }

}  // namespace

std::string ConfigPath() { return DataPath("config.ini"); }
std::string SourcePath() { return DataPath("source.dat"); }
std::string CheckPicturePath() { return DataPath("Check.png"); }

const char* OptionKey(int index) {
  return index >= 0 && index < kOptionCount ? kOptions[index].key : "";
}

const char* OptionTitle(int index) {
  return index >= 0 && index < kOptionCount ? kOptions[index].title : "";
}

std::string ReadSetting(const std::string& key, const std::string& fallback) {
  return platform::GetProfileString(kSettingsSection, key, fallback, ConfigPath());
}

void WriteSetting(const std::string& key, const std::string& value) {
  platform::WriteProfileString(kSettingsSection, key, value, ConfigPath());
}

void WriteOptionKey(int index, bool checked) { WriteSetting(OptionKey(index), checked ? "1" : "0"); }

void LoadSettings() {
  optionTable.clear();
  for (int i = 0; i < kOptionCount; ++i) {
    bool on = ReadSetting(kOptions[i].key, "0") == "1";
    optionTable.push_back(OptionEntry{kOptions[i].title, on ? 1 : 0});
    if (i == kOptionAutoline && on) SetProperty(controls.subjectBox, SKIN_PROP_LINE_WRAP, 1);
  }
}

void LoadSavedSubject() {
  std::string bytes;
  if (!platform::ReadWholeFile(SourcePath(), bytes)) bytes.clear();
  savedSubject = std::move(bytes);
}

void SaveSavedSubject() { platform::WriteWholeFile(SourcePath(), savedSubject); }

void ReplaceSavedSubject(const std::string& text) { savedSubject = text; }

std::string TextStretch(const std::string& text, int start, int length) {
  int size = static_cast<int>(text.size());
  int from = start < 0 ? size + start : start - 1;
  if (from < 0 || from >= size || length <= 0) return std::string();
  return text.substr(from, length);
}

int FindText(const std::string& text, const std::string& piece, int from) {
  if (from < 1) from = 1;
  if (piece.empty() || static_cast<size_t>(from - 1) > text.size()) return -1;
  size_t at = text.find(piece, from - 1);
  return at == std::string::npos ? -1 : static_cast<int>(at) + 1;
}

std::vector<uint8_t> BuiltinListFont() {
  std::vector<uint8_t> record(kFontRecordSize, 0);
  std::u16string face = platform::AnsiToUtf16("微软雅黑");
  for (size_t i = 0; i < face.size() && i < 31; ++i) {
    record[2 * i] = static_cast<uint8_t>(face[i] & 0xFF);
    record[2 * i + 1] = static_cast<uint8_t>(face[i] >> 8);
  }
  return record;
}

}  // namespace workbench
