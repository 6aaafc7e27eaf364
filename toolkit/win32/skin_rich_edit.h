// SkinRichEdit: a native rich-edit box (RichEdit 4.1 "RICHEDIT50W" when
// Msftedit.dll is there, else RichEdit 2.0 "RichEdit20W") in a drawn border.
//
// The box holds one character per line break and hands its text out with CR LF;
// every position here is a box position. Writing the whole text resets every
// stretch to the default format, puts the caret at 0 and raises CHANGED.
//
// Speed: the workbench selects and formats up to 10,000 stretches one call at a
// time. The first such call turns the box's drawing and its change
// notifications off and posts a message to the host; drawing comes back when
// the message loop reaches that message, after the whole batch, so the box
// lays out and paints once. Reads are exact at any moment.
#pragma once

#include <richedit.h>

#include "toolkit/win32/control.h"

namespace skinkit {

class SkinRichEdit final : public Control {
 public:
  SkinRichEdit() : Control(Kind::RichEdit, L"SkinRichEdit") {}
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;

  int Caret();
  int SelectionLength();
  void SetCaret(int pos);
  void SetSelectionLength(int length);
  void EnsureVisible(int pos);
  void SetSelectionFormat(const void* charFormat2W);

 private:
  void OnCreated() override;
  void Layout() override;
  void Paint(HDC dc, const RECT& client) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnInnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
  // Drawing off until the message loop runs again.
  void Quiet();
  void SetText(const std::wstring& text);
  std::wstring Text();
  CHARRANGE Selection();

  CHARFORMAT2W defaultFormat_{};
  int programWrites_ = 0;
  bool quiet_ = false;
  bool wrap_ = false;
  bool formatted_ = false;  // stretches formatted since the last text write
  bool focused_ = false;
};

// The window class of the rich-edit library loaded at start-up; null if none.
const wchar_t* RichEditClass();
bool LoadRichEdit();

}  // namespace skinkit
