#include "toolkit/win32/skin_edit.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/win32/text.h"
#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {
constexpr int kEditTextHeight = 15;
constexpr int kPadding = 8;
constexpr WPARAM kCtrlAChar = 0x01;  // what TranslateMessage makes of Ctrl+A

bool IsDown(int key) { return GetKeyState(key) < 0; }

// Ctrl+A, but not Ctrl+Alt+A: AltGr is Ctrl+Alt and types characters.
bool IsSelectAll(WPARAM key) { return key == 'A' && IsDown(VK_CONTROL) && !IsDown(VK_MENU); }
}  // namespace

void SkinEdit::OnCreated() {
  MakeInner(L"EDIT", ES_LEFT | ES_AUTOHSCROLL);
  SendMessageW(inner, WM_SETFONT, reinterpret_cast<WPARAM>(theme::Font(L"", kEditTextHeight)), FALSE);
  SendMessageW(inner, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

void SkinEdit::Layout() {
  if (!inner) return;
  RECT r;
  GetClientRect(host, &r);
  // Leave room for the controls inside the box that are shown.
  int right = r.right - kPadding;
  for (HWND child = GetWindow(host, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == inner || !(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT c;
    GetWindowRect(child, &c);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&c), 2);
    right = std::min<int>(right, c.left - 2);
  }
  HDC dc = GetDC(inner);
  HGDIOBJ old = SelectObject(dc, theme::Font(L"", kEditTextHeight));
  TEXTMETRICW tm;
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(inner, dc);
  int h = tm.tmHeight + 2;
  int top = std::max(1, (static_cast<int>(r.bottom) - h) / 2);
  MoveWindow(inner, kPadding, top, std::max(0, right - kPadding), std::min<int>(h, r.bottom - 2), TRUE);
}

void SkinEdit::Paint(HDC dc, const RECT& client) {
  theme::Fill(dc, client, ParentBackground());
  theme::RoundBox(dc, client, 3, theme::kPanelBack, focused_ ? theme::kFieldFocus : theme::kFieldBorder);
}

bool SkinEdit::Set(int number, intptr_t value) {
  if (number == SKIN_PROP_EDIT_TEXT) {
    ++programWrites_;
    SetWindowTextW(inner, Wide(reinterpret_cast<const char*>(value)).c_str());
    --programWrites_;
    Raise(SKIN_EVENT_CHANGED);
    return true;
  }
  return Control::Set(number, value);
}

bool SkinEdit::Get(int number, intptr_t* value) {
  if (number == SKIN_PROP_EDIT_TEXT) {
    std::wstring text(GetWindowTextLengthW(inner) + 1, L'\0');
    text.resize(GetWindowTextW(inner, &text[0], static_cast<int>(text.size())));
    *value = reinterpret_cast<intptr_t>(HandOut(text));
    return true;
  }
  return Control::Get(number, value);
}

int SkinEdit::SelectionLength() const {
  DWORD start = 0, end = 0;
  SendMessageW(inner, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end > start ? end - start : start - end);
}

LRESULT SkinEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && reinterpret_cast<HWND>(lp) == inner) {
    switch (HIWORD(wp)) {
      case EN_CHANGE:
        if (undoing_) undoChanged_ = true;
        else if (programWrites_ == 0) Raise(SKIN_EVENT_CHANGED);
        return 0;
      case EN_SETFOCUS:
      case EN_KILLFOCUS:
        focused_ = HIWORD(wp) == EN_SETFOCUS;
        InvalidateRect(host, nullptr, FALSE);
        return 0;
    }
  }
  if (msg == WM_LBUTTONDOWN) {
    SetFocus(inner);
    return 0;
  }
  if (msg == WM_CTLCOLOREDIT) {
    SetBkColor(reinterpret_cast<HDC>(wp), theme::kPanelBack);
    SetTextColor(reinterpret_cast<HDC>(wp), theme::kText);
    static HBRUSH white = CreateSolidBrush(theme::kPanelBack);
    return reinterpret_cast<LRESULT>(white);
  }
  return Control::OnMessage(msg, wp, lp);
}

bool SkinEdit::OnInnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  switch (msg) {
    // Wine's EDIT ignores Ctrl+A, and the edit menu's "select all" sends just
    // that keystroke; cut, copy, paste, undo and Delete it does handle.
    case WM_KEYDOWN:
      if (!IsSelectAll(wp)) return false;
      SendMessageW(inner, EM_SETSEL, 0, -1);
      *result = 0;
      return true;
    case WM_CHAR:
      if (wp != kCtrlAChar) return false;
      *result = 0;
      return true;
    // Wine undoes by deleting and then inserting: two changes for one edit.
    case WM_UNDO:
    case EM_UNDO:
      undoing_ = true;
      undoChanged_ = false;
      *result = DefSubclassProc(inner, msg, wp, lp);
      undoing_ = false;
      if (undoChanged_) Raise(SKIN_EVENT_CHANGED);
      return true;
    case WM_RBUTTONDOWN:
      SetFocus(inner);
      *result = 0;
      return true;
    case WM_RBUTTONUP:
      Raise(SKIN_EVENT_RIGHT_CLICK);
      *result = 0;
      return true;
    case WM_CONTEXTMENU:
      *result = 0;
      return true;
  }
  return false;
}

}  // namespace skinkit
