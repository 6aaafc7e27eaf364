// The files beside the program: Data\config.ini (section "RegEx"), the subject
// text Data\source.dat and the optional Data\Check.png.
//
// Every setting and the subject are written through the moment they change, so
// nothing is saved at exit. Failed reads give defaults and failed writes go
// unnoticed. Both writers replace a file in one step (platform::WriteWholeFile
// and the profile writer), so a crash never leaves a file empty or cut short.
// Text searches here take and give 1-based byte positions, -1 for none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace workbench {

extern const char kSettingsSection[];  // "RegEx"

// Program folder + "\Data\config.ini" and so on.
std::string ConfigPath();
std::string SourcePath();
std::string CheckPicturePath();

// The key of option `index` (Global, CaseSensitive, ...) and its title.
const char* OptionKey(int index);
const char* OptionTitle(int index);

// Builds the option table from config.ini (only the exact text "1" is on) and
// turns on the subject box's line wrap when Autoline is "1".
void LoadSettings();

// One key of section "RegEx"; `fallback` when absent.
std::string ReadSetting(const std::string& key, const std::string& fallback);
void WriteSetting(const std::string& key, const std::string& value);
// The option's key gets "1" when checked, "0" when not.
void WriteOptionKey(int index, bool checked);

// savedSubject: load whole from source.dat (empty when the file cannot be
// read), save whole to it, replace its content.
void LoadSavedSubject();
void SaveSavedSubject();
void ReplaceSavedSubject(const std::string& text);

// A stretch of `text`: 1-based `start`, or counted from the end when negative
// (-1 is the last byte), of at most `length` bytes; clipped to the text.
std::string TextStretch(const std::string& text, int start, int length);
// Case-sensitive search for `piece` from the 1-based position `from`; the
// 1-based position of the hit or -1.
int FindText(const std::string& text, const std::string& piece, int from = 1);

// The 84-byte font record of the face "微软雅黑".
std::vector<uint8_t> BuiltinListFont();

}  // namespace workbench
