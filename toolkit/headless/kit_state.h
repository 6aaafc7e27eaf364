// The headless kit's one record, shared by its files and private to them.
//
// Controls and menus live in std::map, so a pointer to one stays valid while
// event handlers make or change others; destroyed controls stay in the map,
// marked, so that their last state can still be read. Code that raises an event
// must look a control up again afterwards: the handler may have changed it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "toolkit/headless/headless_kit.h"

namespace toolkit::headless {

struct Kit {
  std::map<SkinHandle, ControlState> controls;
  SkinHandle nextHandle = 1;
  SkinHandle mainWindow = 0;
  SkinHandle focused = 0;
  bool started = false;
  bool closed = false;
  SkinEventProc handler = nullptr;
  std::vector<EventRecord> events;
  // What each control's last text read handed out (valid until its next read).
  std::map<SkinHandle, std::string> readBuffers;
  std::map<int, MenuState> menus;
  int nextMenu = 1;
  int nextMenuItem = 1001;
  bool ctrlDown = false;
};

Kit& TheKit();

// A made, not destroyed control; nullptr otherwise.
ControlState* Living(SkinHandle control);
// The same, and only of the given kind.
ControlState* Living(SkinHandle control, ControlKind kind);
// Logs the event and hands it to the event handler.
intptr_t Raise(SkinHandle control, int event, intptr_t a = 0, intptr_t b = 0);
// Moves the keyboard focus; a list box that loses it raises FOCUS_LOST.
void MoveFocus(SkinHandle to);
// Makes the keystrokes of platform::SendKey reach the focused control.
void ConnectKeySink();
// A made, not destroyed menu and one of its items; nullptr otherwise.
MenuState* LivingMenu(int menu);
MenuItem* ItemOf(MenuState& menu, int item);
// Hands a text out through the control's read buffer.
const char* HandOut(SkinHandle control, std::string text);

// Text boxes (text_model.cpp). Texts in and out are GBK.
std::u16string BoxCharsFromAnsi(const ControlState& box, const std::string& ansi);
// Typed or pasted text: a one-line box keeps what precedes the first line break.
std::u16string TypedCharsFromAnsi(const ControlState& box, const std::string& ansi);
std::string BoxTextOf(const ControlState& box, int start, int length);
// Program write of the whole text: formats reset, caret 0, CHANGED raised.
void SetWholeText(SkinHandle box, const std::string& ansi);
// Replaces the selection as typing does; caret after the insertion.
// Returns whether the characters changed (no event raised).
bool ReplaceSelection(ControlState& box, const std::u16string& insert);
void SetSelection(ControlState& box, int anchor, int active);
void ApplySelectionFormat(ControlState& rich, const void* charFormat2W);

constexpr int kCharFormat2WSize = 116;

}  // namespace toolkit::headless
