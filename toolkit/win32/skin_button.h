// SkinButton: an owner-drawn push button. It raises PRESSED when the mouse
// button goes down on it, CLICKED when it comes up over it, and HOVER (1 in, 0
// out) as the pointer enters and leaves. Buttons on the main window or inside
// an edit box are drawn borderless, the others as flat bordered buttons.
#pragma once

#include "toolkit/win32/caption.h"
#include "toolkit/win32/control.h"

namespace skinkit {

class SkinButton final : public Control {
 public:
  SkinButton() : Control(Kind::Button, L"SkinButton") {}
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;

 private:
  bool Ghost() const;
  void Leave();
  void Paint(HDC dc, const RECT& client) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  Caption caption_;
  bool hover_ = false;
  bool pressed_ = false;
};

}  // namespace skinkit
