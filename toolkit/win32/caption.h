// The title, text colour and face that labels and buttons share, with their
// property numbers.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/win32/control.h"

namespace skinkit {

struct Caption {
  std::wstring title;
  uint32_t colour = 0;  // ARGB; 0: the toolkit's text colour
  std::wstring face;
  std::string faceAnsi;

  // Handles SKIN_PROP_TITLE, _TEXT_COLOUR and _FACE; false for other numbers.
  bool Set(Control& owner, int number, intptr_t value);
  bool Get(Control& owner, int number, intptr_t* value);
};

}  // namespace skinkit
