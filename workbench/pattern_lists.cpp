// The common and syntax lists, the pop-up list's placement, docking, choices
// and closing. Entry points: the handlers of pattern_lists.h.
#include "workbench/pattern_lists.h"

#include "platform/platform.h"
#include "workbench/options_list.h"
#include "workbench/workbench_state.h"

namespace workbench {
namespace {

constexpr int kRowHeight = 30;
constexpr int kListTop = 36;
constexpr int kBoxWidth = 832;
constexpr int kDockedHeight = 468;
constexpr int kMaxShortListRows = 14;
constexpr int kCommonListWidth = 240;
constexpr int kSyntaxListWidth = 300;
constexpr int kFullCommonHeight = 443;
constexpr int kFullSyntaxHeight = 448;

const char kLineSeparator[] = "\r\n";
const char kNameSeparator[] = "：";  // full-width colon, GBK A3 BA
const char kFieldSeparator[] = " - ";

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

Rect RectOf(SkinHandle c) {
  Rect r;
  skin->Control_GetRect(c, &r.x, &r.y, &r.w, &r.h);
  return r;
}

void SetLeft(SkinHandle c, int x) {
  Rect r = RectOf(c);
  skin->Control_SetRect(c, x, r.y, r.w, r.h);
}

void SetWidth(SkinHandle c, int w) {
  Rect r = RectOf(c);
  skin->Control_SetRect(c, r.x, r.y, w, r.h);
}

void SetHeight(SkinHandle c, int h) {
  Rect r = RectOf(c);
  skin->Control_SetRect(c, r.x, r.y, r.w, h);
}

int ListHeight(int rows, int fullHeight) {
  return rows <= kMaxShortListRows ? kRowHeight * rows + 2 : fullHeight;
}

void ShowPopupList() {
  SetProperty(controls.popupList, SKIN_PROP_VISIBLE, 1);
  skin->Control_SetFocus(controls.popupList);
}

void DockUnlessFloating(int mode) {
  if (!OptionOn(kOptionSuspendLst)) ApplyDockedLayout(mode);
}

}  // namespace

std::vector<std::string> SplitAtSeparator(const std::string& text, const std::string& separator,
                                          int maxFields) {
  std::vector<std::string> fields;
  if (separator.empty()) {
    if (!text.empty()) fields.push_back(text);
    return fields;
  }
  size_t fieldStart = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, separator.size(), separator) == 0) {
      fields.push_back(text.substr(fieldStart, i - fieldStart));
      if (maxFields > 0 && static_cast<int>(fields.size()) == maxFields) return fields;
      i += separator.size();
      fieldStart = i;
    } else {
      // A lead byte and its trail byte are one character: never split inside it.
      i += (static_cast<unsigned char>(text[i]) & 0x80) ? 2 : 1;
    }
  }
  if (fieldStart < text.size()) fields.push_back(text.substr(fieldStart));
  return fields;
}

std::vector<std::string> ReadListFileLines(const std::string& fileName) {
  std::string bytes;
  if (!platform::ReadWholeFile(platform::ProgramFolder() + "\\Data\\" + fileName, bytes)) return {};
  return SplitAtSeparator(bytes, kLineSeparator);
}

void PlacePopupList(SkinHandle button, int width) {
  Rect list = RectOf(controls.popupList);
  skin->Control_SetRect(controls.popupList, RectOf(button).x, kListTop, width, list.h);
}

void ApplyDockedLayout(int listMode) {
  SetWidth(controls.resultList, kBoxWidth);
  SetWidth(controls.subjectBox, kBoxWidth);
  Rect list = RectOf(controls.popupList);
  if (listMode == kListCommon) {
    int labelLeft = list.x + list.w;
    SetLeft(controls.subjectLabel, labelLeft);
    SetLeft(controls.statusLabel, labelLeft);
    SetLeft(controls.resultList, labelLeft + 3);
    SetLeft(controls.subjectBox, labelLeft + 3);
    SetWidth(controls.resultList, RectOf(controls.resultList).w - list.w - 3);
  } else {
    // The syntax list sits at the right; the boxes keep their left edge.
    SetWidth(controls.resultList, RectOf(controls.resultList).w - list.w + 57);
  }
  SetWidth(controls.subjectBox, RectOf(controls.resultList).w);
  SetHeight(controls.popupList, kDockedHeight);
}

void OnCommonListClicked() {
  commonListEntries.clear();
  for (const std::string& line : ReadListFileLines("CommonlyUsed.lst")) {
    std::vector<std::string> fields = SplitAtSeparator(line, kNameSeparator, 2);
    if (fields.size() == 2) commonListEntries.push_back({fields[0], fields[1]});
  }
  int n = static_cast<int>(commonListEntries.size());
  if (n == 0) return;

  SkinHandle list = controls.popupList;
  SetHeight(list, ListHeight(n, kFullCommonHeight));
  skin->List_DeleteItems(list, -1);
  skin->List_InsertItems(list, 0, n, kRowHeight, 0);
  for (int i = 0; i < n; ++i) skin->List_SetItemTitle(list, i, commonListEntries[i].name.c_str());

  listMode = kListCommon;
  PlacePopupList(controls.commonListButton, kCommonListWidth);
  DockUnlessFloating(kListCommon);
  ShowPopupList();
}

void OnSyntaxListClicked() {
  std::vector<std::vector<std::string>> kept;
  for (const std::string& line : ReadListFileLines("Basic.lst")) {
    std::vector<std::string> fields = SplitAtSeparator(line, kFieldSeparator);
    if (fields.size() >= 2) kept.push_back(std::move(fields));
  }
  int n = static_cast<int>(kept.size());
  if (n == 0) return;

  SkinHandle list = controls.popupList;
  SetHeight(list, ListHeight(n, kFullSyntaxHeight));
  skin->List_DeleteItems(list, -1);
  skin->List_InsertItems(list, 0, n, kRowHeight, styleRecord.entryTitleColour);
  syntaxListEntries.clear();
  skin->Control_InsertElement(list, -1, 0, SKIN_ELEMENT_TEXT);
  for (int i = 0; i < n; ++i) {
    const std::vector<std::string>& fields = kept[i];
    std::string title = fields[0] + kFieldSeparator + fields[1];
    skin->List_SetItemTitle(list, i, title.c_str());
    skin->Control_SetTextElementAttributes(list, i, 0, 22, 6, 130, 20, "微软雅黑");
    // The piece's colour tells whether the line carries an example.
    if (fields.size() == 2) {
      skin->Control_SetTextElementData(list, i, 0, fields[0].c_str(), styleRecord.twoFieldNoteColour);
    } else if (fields.size() == 3) {
      skin->Control_SetTextElementData(list, i, 0, fields[0].c_str(), styleRecord.threeFieldNoteColour);
    }
    syntaxListEntries.push_back(fields[0]);
  }

  listMode = kListSyntax;
  PlacePopupList(controls.syntaxListButton, kSyntaxListWidth);
  DockUnlessFloating(kListSyntax);
  ShowPopupList();
}

void OnPopupItemChosen(int row) {
  if (listMode == kListCommon) {
    if (row < 0 || row >= static_cast<int>(commonListEntries.size())) return;
    SetTextProperty(controls.patternBox, SKIN_PROP_EDIT_TEXT, commonListEntries[row].pattern);
  } else if (listMode == kListSyntax) {
    // Cleared first so that the same piece can be chosen again.
    SetProperty(controls.popupList, SKIN_PROP_CURRENT, -1);
    if (row < 0 || row >= static_cast<int>(syntaxListEntries.size())) return;
    SetTextProperty(controls.patternBox, SKIN_PROP_EDIT_TEXT, syntaxListEntries[row]);
  } else {
    ToggleOption(row);
  }
}

void OnPopupFocusLost() {
  listMode = kListNone;
  SetProperty(controls.popupList, SKIN_PROP_VISIBLE, 0);
  int left = RectOf(controls.commonListButton).x;
  SetLeft(controls.subjectLabel, left);
  left = RectOf(controls.subjectLabel).x;
  SetLeft(controls.statusLabel, left);
  SetLeft(controls.resultList, left);
  SetLeft(controls.subjectBox, left);
  SetWidth(controls.resultList, kBoxWidth);
  SetWidth(controls.subjectBox, kBoxWidth);
}

}  // namespace workbench
