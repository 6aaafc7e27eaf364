// SkinRichEdit: a native rich-edit box (RichEdit 4.1 "RICHEDIT50W" when
// Msftedit.dll is there, else RichEdit 2.0 "RichEdit20W") in a drawn border.
//
// The box holds one character per line break and hands its text out with CR LF;
// every position here is a box position. Writing the whole text resets every
// stretch to the default format, puts the caret at 0 and raises CHANGED.
//
// Speed: the workbench selects and formats up to 10,000 stretches one call at a
// time, and Wine's rich edit lays out, measures and scrolls on every one. So
// on a box whose text carries no formats of its own, selections are kept here
// and formats are recorded; the first call turns drawing off and posts a
// message to the host. When that message comes (after the batch, before the
// next paint), or when anything else reaches the box first (a read, a key, a
// click), the recorded stretches are put in at once: backgrounds through the
// box's text object model, which neither scrolls nor lays out per stretch;
// formats that set more than the background are replayed one by one.
// Reads are exact at any moment.
#pragma once

#include <richedit.h>

#include <string>
#include <vector>

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
  // True when selections and formats may be recorded instead of sent.
  bool Batching();
  // Puts the recorded stretches and the kept selection into the box.
  void Flush();
  bool RangeRuns();
  void ReplayRuns();
  void Select(const CHARRANGE& r);
  CHARFORMAT2W ResetFormat();
  void SetText(const std::wstring& text);
  std::wstring Text();
  CHARRANGE Selection();

  CHARFORMAT2W defaultFormat_{};
  int programWrites_ = 0;
  bool quiet_ = false;
  int quietOptions_ = 0;     // the scrolling options that the quiet time turned off
  bool caretMoved_ = false;  // since the quiet time began or the last EnsureVisible
  bool wrap_ = false;
  bool formatted_ = false;  // stretches formatted since the last text write
  // The whole text has the reset format: nothing typed, pasted or formatted
  // since the last text write.
  bool uniform_ = false;

  struct Run {
    int start, end;
    size_t format;  // into formats_
  };
  bool batch_ = false;
  int batchLength_ = 0;  // the text's length in box positions
  CHARRANGE selection_ = {0, 0};
  std::vector<CHARFORMAT2W> formats_;
  std::vector<Run> runs_;
  bool focused_ = false;
};

// The window class of the rich-edit library loaded at start-up; null if none.
const wchar_t* RichEditClass();
bool LoadRichEdit();

}  // namespace skinkit
