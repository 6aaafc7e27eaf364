// The workbench's global state: every record, array and control handle that
// the handlers share.
//
// Model: InitGlobals (main_window.h) makes all of it empty before the window
// exists; the window's creation event fills it from the Data files; handlers
// change it only on the window's one thread; ExitCleanup releases it. Handlers
// own nothing beyond their locals. Texts are GBK bytes. Three position units
// meet here and are never mixed: engine positions (UTF-16 code units),
// byte offsets in savedSubject, and subject-box positions (one per CR LF).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/skinkit.h"

namespace engine {
class Regex;
class SearchResult;
}  // namespace engine

namespace workbench {

// Indexes of the option table, in the order the table is built.
enum OptionIndex {
  kOptionGlobal = 0,         // "全局匹配"
  kOptionCaseSensitive = 1,  // "区分大小写"
  kOptionMultiline = 2,      // "匹配换行符"
  kOptionSearchline = 3,     // "匹配行首行尾"
  kOptionLookSubText = 4,    // "查看子匹配文本"
  kOptionSuspendLst = 5,     // "悬浮显示列表"
  kOptionAutoline = 6,       // "源码框自动换行"
  kOptionEmptyPrompt = 7,    // "空匹配文本提示"
  kOptionCount = 8
};

struct OptionEntry {
  std::string title;
  int checked = 0;  // 1 on, 0 off
};

// The toolkit's font record: the face in UTF-16 (32 units, NUL-padded), 20 zero bytes.
constexpr int kFontRecordSize = 84;

struct StyleRecord {
  std::vector<uint8_t> listFont;          // kFontRecordSize bytes once set; empty before
  uint32_t twoFieldNoteColour = 0;        // ARGB
  uint32_t threeFieldNoteColour = 0;      // ARGB
  uint32_t entryTitleColour = 0;          // ARGB
  uint32_t evenMatchColour = 0;           // COLORREF
  uint32_t oddMatchColour = 0;            // COLORREF
};

struct CommonListEntry {
  std::string name;
  std::string pattern;
};

struct MenuItemEntry {
  int handle = 0;
  std::string title;
};

// List mode of the pop-up list.
enum ListMode : int16_t { kListNone = 0, kListCommon = 1, kListSyntax = 2, kListOptions = 3 };

// Control handles, named after the window's design.
struct Controls {
  SkinHandle mainWindow = 0;
  SkinHandle windowFrame = 0;       // 窗口框1
  SkinHandle titleLabel = 0;        // 标签_窗口标题
  SkinHandle donateButton = 0;      // 按钮_打赏
  SkinHandle closeButton = 0;       // 按钮_关闭
  SkinHandle tabs = 0;              // 选择夹1: page 0 "正则调试", page 1 "打赏"
  SkinHandle commonListButton = 0;  // 按钮_常用列表
  SkinHandle patternBox = 0;        // 编辑框_表达式
  SkinHandle clearButton = 0;       // 按钮_删除编辑框内容 (child of the pattern box)
  SkinHandle syntaxListButton = 0;  // 按钮_语法列表
  SkinHandle optionsButton = 0;     // 按钮_匹配模式
  SkinHandle popupList = 0;         // 列表框1
  SkinHandle subjectLabel = 0;      // 标签1
  SkinHandle subjectBox = 0;        // 富文
  SkinHandle statusLabel = 0;       // 标签2
  SkinHandle resultList = 0;        // 列表框_输出
  SkinHandle donatePicture = 0;     // 打赏 (picture box)
  SkinHandle thanksLabel = 0;       // 标签3
  SkinHandle otherToolsLabel = 0;   // 标签5
  SkinHandle linkLabel = 0;         // 标签4
};

// The toolkit table in use (SkinKit.dll's exports or the headless kit).
extern const SkinKitApi* skin;
extern Controls controls;

extern std::vector<MenuItemEntry> menuItemTable;
extern StyleRecord styleRecord;
// The subject text as saved in Data\source.dat; equals the subject box's text
// whenever a run starts. Operations in settings.h.
extern std::string savedSubject;
// Bytes of Data\Check.png; empty when the file was missing or empty (the
// options list then uses its built-in tick).
extern std::string checkPicture;
extern std::vector<OptionEntry> optionTable;
extern std::vector<std::string> syntaxListEntries;
extern std::vector<CommonListEntry> commonListEntries;
extern std::unique_ptr<engine::Regex> regexObject;
extern std::vector<std::unique_ptr<engine::SearchResult>> searchResults;
// Parallel to the result list's rows: box position and box length of each match.
extern std::vector<int> matchCaretStarts;
extern std::vector<int> matchSelectionLengths;
extern ListMode listMode;
// The one-entry cache of CharToByteOffset.
extern int cachedCharPos;
extern int cachedByteOffset;

// The option's checked flag; 0 while the table is not built yet.
int OptionOn(int index);

// Property shorthands over skin->Control_SendMessage.
intptr_t GetProperty(SkinHandle control, int number);
void SetProperty(SkinHandle control, int number, intptr_t value);
// A text property (title, box text) as an owned copy; empty for none.
std::string GetTextProperty(SkinHandle control, int number);
void SetTextProperty(SkinHandle control, int number, const std::string& text);

}  // namespace workbench
