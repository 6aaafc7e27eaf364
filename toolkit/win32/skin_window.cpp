#include "toolkit/win32/skin_window.h"

#include <windowsx.h>

#include "toolkit/win32/text.h"
#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {
// The strip above the tab control that moves the window.
constexpr int kDragStripHeight = 118;
}  // namespace

COLORREF SkinWindow::theme_back() { return theme::kWindowBack; }

DWORD SkinWindow::HostStyle() const {
  if (parent) return Control::HostStyle();
  return WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
}

DWORD SkinWindow::HostExStyle() const { return parent ? 0 : WS_EX_APPWINDOW; }

UINT SkinWindow::ClassStyle() const { return parent ? 0 : CS_DROPSHADOW; }

bool SkinWindow::Set(int number, intptr_t value) {
  if (number == SKIN_PROP_TITLE) {
    SetWindowTextW(host, Wide(reinterpret_cast<const char*>(value)).c_str());
    return true;
  }
  return Control::Set(number, value);
}

bool SkinWindow::Get(int number, intptr_t* value) {
  if (number == SKIN_PROP_TITLE) {
    std::wstring title(GetWindowTextLengthW(host) + 1, L'\0');
    title.resize(GetWindowTextW(host, &title[0], static_cast<int>(title.size())));
    *value = reinterpret_cast<intptr_t>(HandOut(title));
    return true;
  }
  return Control::Get(number, value);
}

void SkinWindow::Paint(HDC dc, const RECT& client) {
  if (IsMain()) {
    theme::Fill(dc, client, theme::kWindowBack);
    theme::Frame(dc, client, theme::kWindowBorder);
    return;
  }
  // The frame mark: a small rounded badge with the regex dot-star.
  theme::Fill(dc, client, ParentBackground());
  RECT r = client;
  InflateRect(&r, -1, -1);
  theme::RoundBox(dc, r, 5, theme::kAccent, theme::kAccent);
  theme::Text(dc, L".*", r, theme::Font(L"Consolas", 15, true), RGB(255, 255, 255),
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT SkinWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (IsMain()) {
    switch (msg) {
      case WM_NCHITTEST: {
        POINT p = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ScreenToClient(host, &p);
        return p.y < kDragStripHeight ? HTCAPTION : HTCLIENT;
      }
      case WM_LBUTTONDOWN:
        SetFocus(host);  // a click on the bare window closes pop-up lists
        return 0;
      case WM_DESTROY: {
        Raise(SKIN_EVENT_DESTROYED);
        PostQuitMessage(0);
        return 0;
      }
    }
  }
  return Control::OnMessage(msg, wp, lp);
}

}  // namespace skinkit
