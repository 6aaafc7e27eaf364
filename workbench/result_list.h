// Clicks on the result list's rows: the subject box gets the focus, scrolls to
// the match and selects it, or the clicked group when that group has a text.
#pragma once

namespace workbench {

// The row is the result list's current row (-1: nothing happens); `column`
// is the clicked column: 0 index, 1 match text, k + 1 group k.
void OnResultRowClicked(int column);

}  // namespace workbench
