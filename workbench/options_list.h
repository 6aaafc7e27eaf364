// The options list: the eight switches of the option table shown in the
// pop-up list (list mode 3), a tick before each one that is on.
//
// A toggle is written to Data\config.ini at once; rows 0 to 4 change the match
// and re-run it at once, row 6 switches the subject box's line wrap, rows 5
// and 7 take effect at the next list opening or run.
#pragma once

#include <string>

namespace workbench {

void OnOptionsClicked();
void ToggleOption(int row);

// The tick shown when Data\Check.png is missing or empty: a 16 x 16 RGB PNG.
extern const unsigned char kBuiltinTickPng[];
extern const int kBuiltinTickPngSize;

// The picture a checked row shows: the loaded check picture, else the tick.
std::string CheckPictureBytes();

}  // namespace workbench
