// The headless toolkit: skinkit.h's interface held in memory, and what a test
// can see and do with it.
//
// HeadlessSkinKit() is the table the workbench calls; everything else here is
// for tests. One kit per process, one thread, like the real window.
//
// Model:
// - Every control keeps its state in a ControlState that a test reads with
//   State(handle). Handles count from 1 in creation order and are never reused
//   until ResetHeadlessKit().
// - Events are raised synchronously, inside the toolkit call or test action
//   that causes them, through the handler given to SkinKit_SetEventHandler;
//   every event is also logged (Events()).
// - Program-set text: writing an edit box's or rich-text box's text through
//   Control_SendMessage raises SKIN_EVENT_CHANGED every time, also when the new
//   text equals the old one, as a real box's change notification does after
//   WM_SETTEXT. The workbench's change handlers are built for that (the subject
//   box ignores writes of its saved text; a write into the pattern box counts
//   as an edit).
// - Text boxes hold UTF-16 characters; texts come in and go out as GBK bytes.
//   The rich-text box stores each line break as one character, whatever it was
//   written as (CR LF, a lone CR or a lone LF), and hands every one out as CR LF,
//   so a lone LF written in comes back as CR LF, as in a real rich-edit box.
//   Caret and selection are box positions (one per line break). Writing the
//   whole text resets every stretch format and puts the caret at 0.
// - Stretch formats: RichEdit_SetSelectionFormat keeps the 116 CHARFORMAT2W
//   bytes it was given for every position of the selection (the last record
//   applied wins; records are not merged field by field). Typed or pasted text
//   takes the format of the character before it.
// - Strictness, so that a call the real toolkit would not honour shows here
//   too: a numbered property sent to a kind of control that does not own it is
//   only kept in otherProperties; Edit_* and RichEdit_* act only on their own
//   kind of box; element calls change only elements of their kind that were
//   inserted before (a badge never added to a column never shows); rows, cells
//   and columns outside the present ones are not written.
// - Focus: Control_SetFocus and every user action that a click implies move the
//   focus; when the focus leaves a list box, the list box raises FOCUS_LOST.
// - User actions refuse (return false, raise nothing) when a user could not do
//   them: the control is hidden, on a tab page that is not shown, inside a
//   hidden parent, destroyed, or the main window is gone.
// - Keystrokes from platform::SendKey reach the focused box: Ctrl+X, Ctrl+C,
//   Ctrl+V, Ctrl+A, Delete and Backspace edit it and the clipboard as a real box
//   does and raise CHANGED when the text changed. A one-line edit box keeps only
//   what comes before the first line break of pasted or typed text.
// - Destroying the main window raises DESTROYED and closes the kit: state stays
//   readable, user actions refuse.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "toolkit/skinkit.h"

namespace toolkit::headless {

// The in-memory implementation of every export.
const SkinKitApi& HeadlessSkinKit();
// An export by name, nullptr for an unknown name: the symbol lookup to register
// as a module with platform::posix::RegisterModule in loader tests.
void* HeadlessSymbol(const char* name);

// Drops every control, menu and logged event and the event handler, and
// connects the keystroke sink (call it after platform::posix::ResetForTest()).
void ResetHeadlessKit();

enum class ControlKind { None, Window, Tabs, Picture, Label, Button, Edit, List, Report, RichEdit };
const char* KindName(ControlKind kind);

// A text element (kind SKIN_ELEMENT_TEXT) or button element / badge (kind
// SKIN_ELEMENT_BUTTON) with its attributes.
struct Element {
  int kind = 0;
  int x = 0, y = 0, width = 0, height = 0;
  std::string face;        // text elements
  std::string skin;        // button elements: the skin bytes
  bool hasFont = false;    // button elements: a font record was given
  std::string text;        // text elements: Control_SetTextElementData
  uint32_t colour = 0;
};

struct ListRow {
  int height = 0;
  uint32_t colour = 0;     // 0: the toolkit's default text colour
  std::string title;
  std::string icon;        // PNG bytes; empty: no icon
  std::vector<Element> elements;
};

struct Badge {
  std::string text;        // empty: hidden
  uint32_t colour = 0;
};

struct ReportColumn {
  std::string title;
  int width = 0;
  int minWidth = 0;        // the extra size given after the width
  bool hasFont = false;
  bool hasHeaderFont = false;
  std::vector<Element> elements;  // per-column attributes (badges: kind 2)
};

struct ReportCell {
  std::string text;
  std::map<int, Badge> badges;    // by element index
};

struct ReportRow {
  int height = 0;
  std::vector<ReportCell> cells;  // one per column
};

struct ControlState {
  SkinHandle handle = 0;
  ControlKind kind = ControlKind::None;
  SkinHandle parent = 0;
  int page = -1;
  int x = 0, y = 0, width = 0, height = 0;
  bool visible = true;
  bool destroyed = false;
  // Button, label, window: title; button, label: text colour and face.
  std::string title;
  uint32_t textColour = 0;
  std::string face;
  // List box: current item; report: current row; tabs: page. -1 none.
  int current = -1;
  // Tabs.
  std::vector<std::string> pages;
  // Picture.
  std::string image;
  // List box.
  std::vector<ListRow> rows;
  // Report list.
  std::vector<ReportColumn> columns;
  std::vector<ReportRow> reportRows;
  // Edit box and rich-text box: the characters (rich: one '\r' per line break),
  // selection start (the caret) and length, in box positions.
  std::u16string chars;
  int selectionStart = 0;
  int selectionLength = 0;
  // Rich-text box.
  std::string defaultFormat;             // 116 bytes, empty until set
  std::vector<int> formatOfPosition;     // index into formats, -1: none; one per character
  std::vector<std::string> formats;      // the records applied, 116 bytes each
  bool lineWrap = false;
  int ensuredVisible = -1;               // last RichEdit_EnsureVisible position
  // Any other property number set through Control_SendMessage.
  std::map<int, intptr_t> otherProperties;
};

struct MenuItem {
  int handle = 0;
  std::string title;
  uint32_t colour = 0;
  int width = 0, height = 0;
  bool separator = false;
  bool disabled = false;
};

struct MenuState {
  int handle = 0;
  int opacity = 0;
  SkinMenuProc callback = nullptr;
  std::vector<MenuItem> items;   // in menu order
  bool poppedUp = false;         // open, waiting for a choice
  int popUpX = 0, popUpY = 0;    // last pop-up position (screen)
  int popUps = 0;                // how many times it was popped up
  bool destroyed = false;
};

struct EventRecord {
  SkinHandle control;
  int event;
  intptr_t a, b;
};

// ---- Reading -------------------------------------------------------------

// The state of a control; a state of kind None for an unknown handle.
const ControlState& State(SkinHandle control);
bool Exists(SkinHandle control);  // made and not destroyed
SkinHandle MainWindow();          // the first control made with parent 0
std::vector<SkinHandle> AllControls();              // creation order, living ones
std::vector<SkinHandle> ControlsOf(ControlKind kind);
// The n-th (from 0) living control of a kind in creation order; 0 if none.
SkinHandle NthControl(ControlKind kind, int n);
// The first living control of a kind whose left and top are x, y; 0 if none.
SkinHandle ControlAt(ControlKind kind, int x, int y);
// Shown as a user would see it: visible, its parents visible, its page current.
bool IsShown(SkinHandle control);
SkinHandle Focused();             // 0: none
bool IsClosed();                  // the main window was destroyed
bool IsStarted();                 // SkinKit_Startup was called
// A fake native window of a control, for Control_FromWindow.
void* WindowOf(SkinHandle control);

// Text boxes: the text as the box hands it out (GBK; rich: CR LF), caret and
// selection length in box positions.
std::string BoxText(SkinHandle box);
int Caret(SkinHandle box);
int SelectionLength(SkinHandle box);
// Rich-text box: the CHARFORMAT2W bytes last applied at a box position (empty:
// none), and its background colour (COLORREF) when that record sets one, else -1.
std::string FormatAt(SkinHandle rich, int position);
int64_t BackColourAt(SkinHandle rich, int position);

const MenuState* FindMenu(int menu);   // nullptr if unknown
std::vector<int> Menus();              // living menus, creation order

const std::vector<EventRecord>& Events();
void ClearEvents();

// ---- User actions (false: a user could not do it; nothing happened) -------

// Focus into the box, then insert text at the caret, replacing the selection;
// raises CHANGED. Line breaks in a rich-text box become one position each.
bool TypeText(SkinHandle box, const std::string& gbk);
// Focus into the box and select [start, start + length) in box positions, clamped.
bool SelectText(SkinHandle box, int start, int length);
// A tick of the match timer (platform::posix::FireTimer).
void TickTimer();
// Button: PRESSED, then CLICKED, and the button takes the focus. Label: CLICKED.
bool Click(SkinHandle control);
// Button: the mouse button goes down (PRESSED) and the button takes the focus.
bool Press(SkinHandle button);
// Button: the pointer enters (HOVER a = 1) or leaves (HOVER a = 0).
bool PointerIn(SkinHandle button);
bool PointerOut(SkinHandle button);
// Edit or rich-text box: the box takes the focus, then RIGHT_CLICK.
bool RightClick(SkinHandle box);
// Chooses an open (popped-up) menu's enabled item by handle or by its place in
// the menu: closes the menu, then calls its callback (menu, 650, item, 0, 0, 0).
bool ChooseMenuItem(int menu, int item);
bool ChooseMenuItemAt(int menu, int position);
// Closes an open menu without a choice (a click elsewhere).
void DismissMenu(int menu);
// List box: the list takes the focus, row becomes current, ITEM_CHOSEN(row).
bool ChooseListItem(SkinHandle list, int row);
// Report list: the report takes the focus, row becomes current, ROW_CLICKED(column).
bool ClickRow(SkinHandle report, int row, int column);
// The user clicks into a control: it takes the focus (a list box losing it
// raises FOCUS_LOST).
bool GiveFocus(SkinHandle control);
// The focus leaves the program (another window is activated).
void LoseFocus();

}  // namespace toolkit::headless
