// The pop-up list's three contents: the common list (Data\CommonlyUsed.lst),
// the syntax list (Data\Basic.lst) and, through options_list.h, the options.
//
// The list mode says which content is open (0 none, 1 common, 2 syntax,
// 3 options). Both list files are read again at every opening, so edits to
// them show without a restart. A list opens only when it has a row; it closes
// on any loss of the keyboard focus and puts the docked boxes back.
#pragma once

#include <string>
#include <vector>

#include "toolkit/skinkit.h"

namespace workbench {

// Events of the work page's list buttons and of the pop-up list.
void OnCommonListClicked();
void OnSyntaxListClicked();
// The user made `row` the current item: dispatched by list mode.
void OnPopupItemChosen(int row);
void OnPopupFocusLost();

// Puts the pop-up list at the left edge of `button` with `width`; top stays 36.
void PlacePopupList(SkinHandle button, int width);
// Moves and narrows the boxes beside a docked list (listMode 1 or 2).
void ApplyDockedLayout(int listMode);

// Splits at `separator`, found only at GBK character boundaries: each
// separator ends a field (two in a row give an empty one); the rest after the
// last separator is a field only when not empty. maxFields > 0 stops after
// that many fields, ignoring the rest. An empty text has no field.
std::vector<std::string> SplitAtSeparator(const std::string& text, const std::string& separator,
                                          int maxFields = 0);

// The lines of a list file in the program's Data folder (CR LF only); none
// when the file is missing.
std::vector<std::string> ReadListFileLines(const std::string& fileName);

}  // namespace workbench
