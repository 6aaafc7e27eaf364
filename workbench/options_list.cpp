// The options list: opening it from the option table and toggling one entry.
#include "workbench/options_list.h"

#include "workbench/match_run.h"
#include "workbench/pattern_lists.h"
#include "workbench/settings.h"
#include "workbench/workbench_state.h"

namespace workbench {
namespace {

constexpr int kRowHeight = 30;
constexpr int kMaxShortListRows = 13;
constexpr int kFullHeight = 392;
constexpr int kOptionsListWidth = 120;

void SetRowIcon(int row, const std::string& png) {
  skin->List_SetItemIcon(controls.popupList, row, png.data(), static_cast<int>(png.size()));
}

}  // namespace

std::string CheckPictureBytes() {
  if (!checkPicture.empty()) return checkPicture;
  return std::string(reinterpret_cast<const char*>(kBuiltinTickPng), kBuiltinTickPngSize);
}

void OnOptionsClicked() {
  int n = static_cast<int>(optionTable.size());
  if (n == 0) return;

  SkinHandle list = controls.popupList;
  int x, y, w, h;
  skin->Control_GetRect(list, &x, &y, &w, &h);
  skin->Control_SetRect(list, x, y, w, n <= kMaxShortListRows ? kRowHeight * n + 2 : kFullHeight);
  skin->List_DeleteItems(list, -1);
  skin->List_InsertItems(list, 0, n, kRowHeight, 0);
  std::string tick = CheckPictureBytes();
  for (int i = 0; i < n; ++i) {
    if (optionTable[i].checked) SetRowIcon(i, tick);
    skin->List_SetItemTitle(list, i, optionTable[i].title.c_str());
  }

  listMode = kListOptions;
  // The options list never docks: only its own place changes.
  PlacePopupList(controls.optionsButton, kOptionsListWidth);
  SetProperty(list, SKIN_PROP_VISIBLE, 1);
  skin->Control_SetFocus(list);
}

void ToggleOption(int row) {
  if (row < 0 || row >= static_cast<int>(optionTable.size())) return;
  OptionEntry& entry = optionTable[row];
  entry.checked = entry.checked ? 0 : 1;
  SetRowIcon(row, entry.checked ? CheckPictureBytes() : std::string());
  WriteOptionKey(row, entry.checked != 0);
  if (row == kOptionAutoline) SetProperty(controls.subjectBox, SKIN_PROP_LINE_WRAP, entry.checked);

  // Cleared so that choosing the same row again toggles it back.
  SetProperty(controls.popupList, SKIN_PROP_CURRENT, -1);

  // Only the first five change what a run finds; they re-run it at once.
  if (row < kOptionSuspendLst && ResetMatchView()) OnMatchTimer();
}

}  // namespace workbench
