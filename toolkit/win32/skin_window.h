// SkinWindow: with parent 0 the main window, a captionless pop-up drawn by the
// toolkit that drags by its top strip and ends the message loop when it is
// destroyed; with a parent, the small frame mark in the window's corner.
#pragma once

#include "toolkit/win32/control.h"

namespace skinkit {

class SkinWindow final : public Control {
 public:
  SkinWindow() : Control(Kind::Window, L"SkinWindow") {}
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;
  COLORREF Background() const override { return theme_back(); }

 private:
  static COLORREF theme_back();
  bool IsMain() const { return parent == nullptr; }
  DWORD HostStyle() const override;
  DWORD HostExStyle() const override;
  UINT ClassStyle() const override;
  void Paint(HDC dc, const RECT& client) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace skinkit
