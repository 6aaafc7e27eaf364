#include "toolkit/win32/skin_label.h"

#include <windowsx.h>

#include "toolkit/win32/theme.h"

namespace skinkit {

bool SkinLabel::Set(int number, intptr_t value) {
  return caption_.Set(*this, number, value) || Control::Set(number, value);
}

bool SkinLabel::Get(int number, intptr_t* value) {
  return caption_.Get(*this, number, value) || Control::Get(number, value);
}

bool SkinLabel::OnMainWindow() const { return parent && parent->kind == Kind::Window && !parent->parent; }

void SkinLabel::Paint(HDC dc, const RECT& client) {
  COLORREF back = ParentBackground();
  theme::Fill(dc, client, back);
  theme::Text(dc, caption_.title, client, theme::Font(caption_.face, theme::kTextHeight),
              theme::FromArgb(caption_.colour, back, theme::kText),
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

LRESULT SkinLabel::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      if (OnMainWindow()) {
        ReleaseCapture();
        SendMessageW(parent->host, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return 0;
      }
      SetFocus(host);
      SetCapture(host);
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      pressed_ = false;
      ReleaseCapture();
      POINT p = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      RECT r;
      GetClientRect(host, &r);
      if (PtInRect(&r, p)) Raise(SKIN_EVENT_CLICKED);
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
  }
  return Control::OnMessage(msg, wp, lp);
}

}  // namespace skinkit
