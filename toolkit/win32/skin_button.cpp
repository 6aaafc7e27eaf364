#include "toolkit/win32/skin_button.h"

#include <windowsx.h>

#include "toolkit/win32/theme.h"

namespace skinkit {

bool SkinButton::Set(int number, intptr_t value) {
  return caption_.Set(*this, number, value) || Control::Set(number, value);
}

bool SkinButton::Get(int number, intptr_t* value) {
  return caption_.Get(*this, number, value) || Control::Get(number, value);
}

bool SkinButton::Ghost() const {
  return parent && ((parent->kind == Kind::Window && !parent->parent) || parent->kind == Kind::Edit);
}

void SkinButton::Paint(HDC dc, const RECT& client) {
  COLORREF back = ParentBackground();
  theme::Fill(dc, client, back);
  COLORREF face = back;
  if (Ghost()) {
    if (pressed_) face = theme::kGhostPressed;
    else if (hover_) face = theme::kGhostHover;
    RECT r = client;
    InflateRect(&r, -1, -1);
    if (face != back) theme::RoundBox(dc, r, 4, face, face);
  } else {
    COLORREF border = theme::kFieldBorder;
    face = theme::kPanelBack;
    if (pressed_) face = theme::kPressedBack, border = theme::kFieldFocus;
    else if (hover_) face = theme::kHoverBack, border = theme::kFieldFocus;
    theme::RoundBox(dc, client, 3, face, border);
  }
  int height = Ghost() && parent->kind == Kind::Window ? 18 : 15;
  theme::Text(dc, caption_.title, client, theme::Font(caption_.face, height),
              theme::FromArgb(caption_.colour, face, theme::kText),
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void SkinButton::Leave() {
  if (!hover_) return;
  hover_ = false;
  InvalidateRect(host, nullptr, FALSE);
  Raise(SKIN_EVENT_HOVER, 0);
}

LRESULT SkinButton::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!hover_ && !pressed_) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, host, 0};
        TrackMouseEvent(&tme);
        hover_ = true;
        InvalidateRect(host, nullptr, FALSE);
        Raise(SKIN_EVENT_HOVER, 1);
      }
      return 0;
    case WM_MOUSELEAVE:
      if (!pressed_) Leave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // Keep typing in the box a clear button sits in; elsewhere take the focus
      // so that an open pop-up list closes.
      if (parent && parent->kind == Kind::Edit) SetFocus(parent->FocusWindow());
      else SetFocus(host);
      pressed_ = true;
      SetCapture(host);
      InvalidateRect(host, nullptr, FALSE);
      Raise(SKIN_EVENT_PRESSED);
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      pressed_ = false;
      ReleaseCapture();
      InvalidateRect(host, nullptr, FALSE);
      POINT p = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      RECT r;
      GetClientRect(host, &r);
      if (!PtInRect(&r, p)) {
        Leave();
        return 0;
      }
      if (!hover_) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, host, 0};
        TrackMouseEvent(&tme);
      }
      Raise(SKIN_EVENT_CLICKED);  // may destroy this button: nothing after it
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        InvalidateRect(host, nullptr, FALSE);
      }
      return 0;
  }
  return Control::OnMessage(msg, wp, lp);
}

}  // namespace skinkit
