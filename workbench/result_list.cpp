#include "workbench/result_list.h"

#include "workbench/engine_api.h"
#include "workbench/match_run.h"
#include "workbench/settings.h"
#include "workbench/workbench_state.h"

namespace workbench {

namespace {

constexpr char kLineBreak[] = "\r\n";

// Selects group k of r: its stretch translated into box positions afresh.
void SelectGroup(const engine::SearchResult& r, int k) {
  int s = r.GetGroupStart(k);
  int S = CharToByteOffset(s, false);
  int passed = 0;
  int nextBreak = FindText(savedSubject, kLineBreak, 1);
  while (nextBreak != -1 && nextBreak <= S) {
    ++passed;
    nextBreak = FindText(savedSubject, kLineBreak, nextBreak + 1);
  }
  int t = r.GetGroupEnd(k);
  int T = CharToByteOffset(t, true);
  int start = s - passed;
  int length = (nextBreak != -1 && T < nextBreak) ? t - s : t - s - CountLineBreaksBetween(S, T);
  skin->RichEdit_SetCaret(controls.subjectBox, start);
  skin->RichEdit_SetSelectionLength(controls.subjectBox, length);
}

}  // namespace

void OnResultRowClicked(int column) {
  int i = static_cast<int>(GetProperty(controls.resultList, SKIN_PROP_CURRENT));
  // The arrays hold one entry per row; anything else is no row of this run.
  if (i < 0 || i >= static_cast<int>(matchCaretStarts.size()) || i >= static_cast<int>(searchResults.size()))
    return;
  skin->Control_SetFocus(controls.subjectBox);
  skin->RichEdit_EnsureVisible(controls.subjectBox, matchCaretStarts[i]);
  if (column >= 2) {
    int k = column - 1;
    const engine::SearchResult& r = *searchResults[i];
    if (!r.GetGroupText(k).empty()) {
      SelectGroup(r, k);
      return;
    }
  }
  skin->RichEdit_SetCaret(controls.subjectBox, matchCaretStarts[i]);
  skin->RichEdit_SetSelectionLength(controls.subjectBox, matchSelectionLengths[i]);
}

}  // namespace workbench
