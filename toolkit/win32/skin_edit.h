// SkinEdit: a one-line native EDIT inside a drawn border. Controls made with
// the edit box as parent (the clear button) sit at its right end, and the text
// stops short of them while they are shown. CHANGED follows every change of
// the text, typed or set by the program; RIGHT_CLICK comes after the box took
// the focus, in place of the native context menu. Ctrl+A selects the whole
// text, which the native EDIT does not do everywhere (Wine).
#pragma once

#include "toolkit/win32/control.h"

namespace skinkit {

class SkinEdit final : public Control {
 public:
  SkinEdit() : Control(Kind::Edit, L"SkinEdit") {}
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;
  void ChildrenChanged() override { Layout(); }
  int SelectionLength() const;

 private:
  void OnCreated() override;
  void Layout() override;
  void Paint(HDC dc, const RECT& client) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnInnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
  int programWrites_ = 0;
  bool undoing_ = false;
  bool undoChanged_ = false;
  bool focused_ = false;
};

}  // namespace skinkit
