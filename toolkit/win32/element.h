// Elements: the small texts and badges that list rows and report cells carry.
//
// A skin is a block that begins with the mark "SkinKit" and a NUL. The kinds
// read here: a label background (version 1, kind 1: fill and border ARGB, a
// corner radius) and a menu (a u32 size, then background, highlighted item,
// border and highlighted text, ARGB). Anything else draws no background.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace skinkit {

struct LabelSkin {
  bool present = false;
  uint32_t fill = 0, border = 0;
  int radius = 0;
};
LabelSkin ReadLabelSkin(const void* block, int length);

struct MenuSkin {
  uint32_t background = 0xFFFFFFFF;
  uint32_t highlight = 0xFFF0F0F0;
  uint32_t border = 0xFFDDDDDD;
  uint32_t highlightText = 0xFF16649E;
};
MenuSkin ReadMenuSkin(const void* block);

struct Element {
  int kind = 0;  // SKIN_ELEMENT_TEXT or SKIN_ELEMENT_BUTTON
  RECT box = {0, 0, 0, 0};  // in the row or cell
  std::wstring face;
  LabelSkin skin;
};

// A text element's or badge's content in one row or cell; empty: not drawn.
struct ElementData {
  std::wstring text;
  uint32_t colour = 0;
};

// Draws a badge or a text element at its box, offset by the cell's origin.
void DrawElement(HDC dc, const Element& e, const ElementData& d, int left, int top, COLORREF back);

}  // namespace skinkit
