#include "toolkit/win32/skin_rich_edit.h"

#include <algorithm>
#include <cstring>

#include "toolkit/win32/text.h"
#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {

constexpr UINT kEndQuiet = WM_APP + 1;
constexpr int kDefaultPixels = 12;
const wchar_t* richEditClass = nullptr;

int PixelsToTwips(int pixels) {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return MulDiv(pixels, 1440, dpi > 0 ? dpi : 96);
}

// Switches the box's notifications off for one program operation.
class NoEvents {
 public:
  explicit NoEvents(HWND box) : box_(box), mask_(SendMessageW(box, EM_SETEVENTMASK, 0, 0)) {}
  ~NoEvents() { SendMessageW(box_, EM_SETEVENTMASK, 0, mask_); }

 private:
  HWND box_;
  LRESULT mask_;
};

}  // namespace

bool LoadRichEdit() {
  if (richEditClass) return true;
  if (LoadLibraryW(L"Msftedit.dll")) richEditClass = L"RICHEDIT50W";
  else if (LoadLibraryW(L"Riched20.dll")) richEditClass = L"RichEdit20W";
  return richEditClass != nullptr;
}

const wchar_t* RichEditClass() { return richEditClass; }

void SkinRichEdit::OnCreated() {
  if (!RichEditClass()) return;
  MakeInner(RichEditClass(), WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                 ES_NOHIDESEL | ES_WANTRETURN);
  SendMessageW(inner, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(inner, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(6, 6));
  SendMessageW(inner, EM_SETTARGETDEVICE, 0, 1);  // made without wrapping
  defaultFormat_.cbSize = sizeof defaultFormat_;
  defaultFormat_.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_CHARSET;
  defaultFormat_.yHeight = PixelsToTwips(kDefaultPixels);
  defaultFormat_.bCharSet = DEFAULT_CHARSET;
  wcscpy(defaultFormat_.szFaceName, theme::kDefaultFace);
  SendMessageW(inner, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat_));
  SendMessageW(inner, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&defaultFormat_));
  SendMessageW(inner, EM_SETEVENTMASK, 0, ENM_CHANGE);
}

void SkinRichEdit::Layout() {
  if (!inner) return;
  RECT r;
  GetClientRect(host, &r);
  MoveWindow(inner, 1, 1, std::max(0, static_cast<int>(r.right) - 2), std::max(0, static_cast<int>(r.bottom) - 2),
             TRUE);
}

void SkinRichEdit::Paint(HDC dc, const RECT& client) {
  theme::Fill(dc, client, theme::kPanelBack);
  theme::Frame(dc, client, focused_ ? theme::kFieldFocus : theme::kFieldBorder);
}

void SkinRichEdit::Quiet() {
  if (quiet_ || !inner) return;
  quiet_ = true;
  SendMessageW(inner, WM_SETREDRAW, FALSE, 0);
  PostMessageW(host, kEndQuiet, 0, 0);
}

std::wstring SkinRichEdit::Text() {
  GETTEXTLENGTHEX len = {GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  LRESULT n = SendMessageW(inner, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
  if (n <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GETTEXTEX get = {};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  LRESULT got = SendMessageW(inner, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                             reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
  return text;
}

void SkinRichEdit::SetText(const std::wstring& text) {
  ++programWrites_;
  {
    NoEvents quiet(inner);
    SETTEXTEX set = {ST_DEFAULT, 1200};
    SendMessageW(inner, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(text.c_str()));
    // New text takes the default format everywhere: no stretch keeps a highlight.
    CHARFORMAT2W reset = {};
    reset.cbSize = sizeof reset;
    SendMessageW(inner, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&reset));
    if (!(reset.dwMask & CFM_BACKCOLOR)) reset.dwEffects |= CFE_AUTOBACKCOLOR;
    reset.dwMask |= CFM_BACKCOLOR;
    SendMessageW(inner, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&reset));
    CHARRANGE start = {0, 0};
    SendMessageW(inner, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  }
  formatted_ = false;
  --programWrites_;
  Raise(SKIN_EVENT_CHANGED);
}

bool SkinRichEdit::Set(int number, intptr_t value) {
  if (!inner) return Control::Set(number, value);
  switch (number) {
    case SKIN_PROP_RICH_TEXT:
      SetText(Wide(reinterpret_cast<const char*>(value)));
      return true;
    case SKIN_PROP_DEFAULT_FORMAT: {
      if (!value) return true;
      CHARFORMAT2W cf;
      std::memcpy(&cf, reinterpret_cast<const void*>(value), sizeof cf);
      cf.cbSize = sizeof cf;
      NoEvents quiet(inner);
      SendMessageW(inner, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
      SendMessageW(inner, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat_));
      defaultFormat_.cbSize = sizeof defaultFormat_;
      // Text that has no stretch formats of its own follows the new default.
      if (!formatted_) SendMessageW(inner, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
      return true;
    }
    case SKIN_PROP_LINE_WRAP: {
      wrap_ = value != 0;
      NoEvents quiet(inner);
      SendMessageW(inner, EM_SETTARGETDEVICE, 0, wrap_ ? 0 : 1);
      return true;
    }
  }
  return Control::Set(number, value);
}

bool SkinRichEdit::Get(int number, intptr_t* value) {
  if (!inner) return Control::Get(number, value);
  switch (number) {
    case SKIN_PROP_RICH_TEXT:
      *value = reinterpret_cast<intptr_t>(HandOut(Text()));
      return true;
    case SKIN_PROP_DEFAULT_FORMAT:
      defaultFormat_.cbSize = sizeof defaultFormat_;
      SendMessageW(inner, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat_));
      *value = reinterpret_cast<intptr_t>(&defaultFormat_);
      return true;
    case SKIN_PROP_LINE_WRAP:
      *value = wrap_ ? 1 : 0;
      return true;
  }
  return Control::Get(number, value);
}

CHARRANGE SkinRichEdit::Selection() {
  CHARRANGE r = {0, 0};
  if (inner) SendMessageW(inner, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

int SkinRichEdit::Caret() { return Selection().cpMin; }

int SkinRichEdit::SelectionLength() {
  CHARRANGE r = Selection();
  return r.cpMax - r.cpMin;
}

void SkinRichEdit::SetCaret(int pos) {
  if (!inner) return;
  Quiet();
  NoEvents quiet(inner);
  CHARRANGE r = {std::max(0, pos), std::max(0, pos)};
  SendMessageW(inner, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

void SkinRichEdit::SetSelectionLength(int length) {
  if (!inner) return;
  Quiet();
  NoEvents quiet(inner);
  int caret = Caret();
  CHARRANGE r = {caret, caret + std::max(0, length)};
  SendMessageW(inner, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

void SkinRichEdit::SetSelectionFormat(const void* charFormat2W) {
  if (!inner || !charFormat2W) return;
  Quiet();
  NoEvents quiet(inner);
  CHARFORMAT2W cf;
  std::memcpy(&cf, charFormat2W, sizeof cf);
  cf.cbSize = sizeof cf;
  SendMessageW(inner, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  formatted_ = true;
}

void SkinRichEdit::EnsureVisible(int pos) {
  if (!inner) return;
  Quiet();
  NoEvents quiet(inner);
  RECT view;
  SendMessageW(inner, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&view));
  POINTL at = {};
  SendMessageW(inner, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), std::max(0, pos));
  POINT scroll = {};
  SendMessageW(inner, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  HDC dc = GetDC(inner);
  HGDIOBJ old = SelectObject(dc, theme::Font(L"", kDefaultPixels));
  TEXTMETRICW tm;
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(inner, dc);
  POINT target = scroll;
  int lineHeight = tm.tmHeight + tm.tmExternalLeading + 4;
  if (at.y < view.top || at.y + lineHeight > view.bottom) {
    // The line goes a third of the way down the box.
    target.y = std::max<LONG>(0, scroll.y + at.y - view.top - (view.bottom - view.top) / 3);
  }
  if (at.x < view.left || at.x + 8 > view.right) {
    target.x = std::max<LONG>(0, scroll.x + at.x - view.left - (view.right - view.left) / 4);
  }
  if (target.x != scroll.x || target.y != scroll.y) {
    SendMessageW(inner, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&target));
  }
}

LRESULT SkinRichEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kEndQuiet:
      if (quiet_ && inner) {
        quiet_ = false;
        SendMessageW(inner, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(inner, nullptr, TRUE);
      }
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == inner && HIWORD(wp) == EN_CHANGE) {
        if (programWrites_ == 0) Raise(SKIN_EVENT_CHANGED);
        return 0;
      }
      break;
  }
  return Control::OnMessage(msg, wp, lp);
}

bool SkinRichEdit::OnInnerMessage(UINT msg, WPARAM, LPARAM, LRESULT* result) {
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = msg == WM_SETFOCUS;
      InvalidateRect(host, nullptr, FALSE);
      return false;
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
