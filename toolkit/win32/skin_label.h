// SkinLabel: one line of text on its parent's background. A click raises
// CLICKED; a label placed straight on the main window drags the window
// instead, as the window's own strip does.
#pragma once

#include "toolkit/win32/caption.h"
#include "toolkit/win32/control.h"

namespace skinkit {

class SkinLabel final : public Control {
 public:
  SkinLabel() : Control(Kind::Label, L"SkinLabel") {}
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;

 private:
  bool OnMainWindow() const;
  void Paint(HDC dc, const RECT& client) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  Caption caption_;
  bool pressed_ = false;
};

}  // namespace skinkit
