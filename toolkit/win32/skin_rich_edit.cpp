#include "toolkit/win32/skin_rich_edit.h"

#include <richole.h>
#include <tom.h>

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
  explicit NoEvents(Control* box) : box_(box), mask_(box->Native(EM_SETEVENTMASK, 0, 0)) {}
  ~NoEvents() { box_->Native(EM_SETEVENTMASK, 0, mask_); }

 private:
  Control* box_;
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
  Native(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  Native(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(6, 6));
  Native(EM_SETTARGETDEVICE, 0, 1);  // made without wrapping
  defaultFormat_.cbSize = sizeof defaultFormat_;
  defaultFormat_.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_CHARSET;
  defaultFormat_.yHeight = PixelsToTwips(kDefaultPixels);
  defaultFormat_.bCharSet = DEFAULT_CHARSET;
  wcscpy(defaultFormat_.szFaceName, theme::kDefaultFace);
  Native(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat_));
  Native(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&defaultFormat_));
  Native(EM_SETEVENTMASK, 0, ENM_CHANGE);
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
  Native(WM_SETREDRAW, FALSE, 0);
  // Each selection change would otherwise scroll the box to the caret and
  // repaint the old and new selections: most of a highlight's cost.
  quietOptions_ = static_cast<int>(Native(EM_GETOPTIONS, 0, 0)) & (ECO_AUTOVSCROLL | ECO_AUTOHSCROLL);
  Native(EM_SETOPTIONS, ECOOP_AND, ~static_cast<LPARAM>(ECO_AUTOVSCROLL | ECO_AUTOHSCROLL));
  Native(EM_HIDESELECTION, TRUE, 0);
  PostMessageW(host, kEndQuiet, 0, 0);
}

std::wstring SkinRichEdit::Text() {
  GETTEXTLENGTHEX len = {GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  LRESULT n = Native(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
  if (n <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GETTEXTEX get = {};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  LRESULT got = Native(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
  return text;
}

CHARFORMAT2W SkinRichEdit::ResetFormat() {
  CHARFORMAT2W reset = {};
  reset.cbSize = sizeof reset;
  Native(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&reset));
  if (!(reset.dwMask & CFM_BACKCOLOR)) reset.dwEffects |= CFE_AUTOBACKCOLOR;
  reset.dwMask |= CFM_BACKCOLOR;
  return reset;
}

void SkinRichEdit::SetText(const std::wstring& text) {
  // The new text resets every format and the selection: nothing recorded is left to put in.
  batch_ = false;
  runs_.clear();
  formats_.clear();
  ++programWrites_;
  {
    NoEvents quiet(this);
    // The same text again over unformatted text changes nothing but the
    // selection; Wine takes half a second to lay out 200 KB anew.
    if (!uniform_ || text != Text()) {
      SETTEXTEX set = {ST_DEFAULT, 1200};
      Native(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(text.c_str()));
      // New text takes the default format everywhere: no stretch keeps a highlight.
      CHARFORMAT2W reset = ResetFormat();
      Native(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&reset));
    }
    CHARRANGE start = {0, 0};
    Native(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  }
  formatted_ = false;
  uniform_ = true;
  --programWrites_;
  Raise(SKIN_EVENT_CHANGED);
}

bool SkinRichEdit::Batching() {
  if (batch_) return true;
  if (!uniform_ || !inner) return false;
  GETTEXTLENGTHEX len = {GTL_PRECISE | GTL_NUMCHARS, 1200};
  batchLength_ = static_cast<int>(Native(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
  selection_ = Selection();
  batch_ = true;
  return true;
}

void SkinRichEdit::Select(const CHARRANGE& r) {
  CHARRANGE copy = r;
  Native(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&copy));
}

namespace {

bool SameFormat(const CHARFORMAT2W& a, const CHARFORMAT2W& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The object model puts in only a highlight's background; every other
// attribute the format sets must already be the text's own.
bool OnlyBackground(const CHARFORMAT2W& f, const CHARFORMAT2W& base) {
  const DWORD known = CFM_BACKCOLOR | CFM_COLOR | CFM_FACE | CFM_SIZE;
  if (f.dwMask & ~known) return false;
  if (!(f.dwMask & CFM_BACKCOLOR) || (f.dwEffects & CFE_AUTOBACKCOLOR)) return false;
  if (f.dwMask & CFM_COLOR) {
    if ((f.dwEffects & CFE_AUTOCOLOR) != (base.dwEffects & CFE_AUTOCOLOR)) return false;
    if (!(f.dwEffects & CFE_AUTOCOLOR) && f.crTextColor != base.crTextColor) return false;
  }
  if ((f.dwMask & CFM_FACE) && wcsncmp(f.szFaceName, base.szFaceName, LF_FACESIZE) != 0) return false;
  if ((f.dwMask & CFM_SIZE) && f.yHeight != base.yHeight) return false;
  return true;
}

// ITextDocument, spelled out so that no GUID library is needed.
const IID kTextDocument = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

}  // namespace

// Backgrounds put in through a text range of the box's object model: Wine
// applies those without moving the selection, scrolling or measuring, and
// lays the text out once afterwards. False (nothing done) when a format sets
// more than the background or the object model is missing.
bool SkinRichEdit::RangeRuns() {
  CHARFORMAT2W base = ResetFormat();
  for (const CHARFORMAT2W& f : formats_) {
    if (!OnlyBackground(f, base)) return false;
  }
  IRichEditOle* ole = nullptr;
  if (!Native(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole)) || !ole) return false;
  ITextDocument* doc = nullptr;
  ITextRange* range = nullptr;
  ITextFont* font = nullptr;
  bool done = false;
  if (SUCCEEDED(ole->QueryInterface(kTextDocument, reinterpret_cast<void**>(&doc))) && doc &&
      SUCCEEDED(doc->Range(0, 0, &range)) && range && SUCCEEDED(range->GetFont(&font)) && font) {
    done = true;
    for (const Run& r : runs_) {
      if (FAILED(range->SetRange(r.start, r.end)) ||
          FAILED(font->SetBackColor(static_cast<long>(formats_[r.format].crBackColor)))) {
        done = false;
        break;
      }
    }
  }
  if (font) font->Release();
  if (range) range->Release();
  if (doc) doc->Release();
  ole->Release();
  return done;
}

void SkinRichEdit::ReplayRuns() {
  for (const Run& r : runs_) {
    Select(CHARRANGE{r.start, r.end});
    CHARFORMAT2W cf = formats_[r.format];
    Native(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  }
}

void SkinRichEdit::Flush() {
  if (!batch_) return;
  batch_ = false;
  NoEvents quiet(this);
  if (!runs_.empty()) {
    // A failure part-way leaves some stretches done; doing them again is harmless.
    if (!RangeRuns()) ReplayRuns();
    runs_.clear();
    formats_.clear();
    uniform_ = false;
  }
  Select(selection_);
}

bool SkinRichEdit::Set(int number, intptr_t value) {
  if (!inner) return Control::Set(number, value);
  if (number != SKIN_PROP_RICH_TEXT) Flush();
  switch (number) {
    case SKIN_PROP_RICH_TEXT:
      SetText(Wide(reinterpret_cast<const char*>(value)));
      return true;
    case SKIN_PROP_DEFAULT_FORMAT: {
      if (!value) return true;
      CHARFORMAT2W cf;
      std::memcpy(&cf, reinterpret_cast<const void*>(value), sizeof cf);
      cf.cbSize = sizeof cf;
      NoEvents quiet(this);
      Native(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
      Native(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat_));
      defaultFormat_.cbSize = sizeof defaultFormat_;
      // Text that has no stretch formats of its own follows the new default.
      if (!formatted_) Native(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
      // The text's format is no longer the one a text write gives.
      uniform_ = false;
      return true;
    }
    case SKIN_PROP_LINE_WRAP: {
      wrap_ = value != 0;
      NoEvents quiet(this);
      Native(EM_SETTARGETDEVICE, 0, wrap_ ? 0 : 1);
      return true;
    }
  }
  return Control::Set(number, value);
}

bool SkinRichEdit::Get(int number, intptr_t* value) {
  if (!inner) return Control::Get(number, value);
  Flush();
  switch (number) {
    case SKIN_PROP_RICH_TEXT:
      *value = reinterpret_cast<intptr_t>(HandOut(Text()));
      return true;
    case SKIN_PROP_DEFAULT_FORMAT:
      defaultFormat_.cbSize = sizeof defaultFormat_;
      Native(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat_));
      *value = reinterpret_cast<intptr_t>(&defaultFormat_);
      return true;
    case SKIN_PROP_LINE_WRAP:
      *value = wrap_ ? 1 : 0;
      return true;
  }
  return Control::Get(number, value);
}

CHARRANGE SkinRichEdit::Selection() {
  if (batch_) return selection_;
  CHARRANGE r = {0, 0};
  if (inner) Native(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
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
  caretMoved_ = true;
  // How the box clamps a place beyond the end is its own affair: ask it.
  if (Batching() && pos <= batchLength_) {
    selection_ = CHARRANGE{std::max(0, pos), std::max(0, pos)};
    return;
  }
  Flush();
  NoEvents quiet(this);
  CHARRANGE r = {std::max(0, pos), std::max(0, pos)};
  Native(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

void SkinRichEdit::SetSelectionLength(int length) {
  if (!inner) return;
  Quiet();
  caretMoved_ = true;
  if (Batching() && selection_.cpMin + std::max(0, length) <= batchLength_) {
    selection_.cpMax = selection_.cpMin + std::max(0, length);
    return;
  }
  Flush();
  NoEvents quiet(this);
  int caret = Caret();
  CHARRANGE r = {caret, caret + std::max(0, length)};
  Native(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

void SkinRichEdit::SetSelectionFormat(const void* charFormat2W) {
  if (!inner || !charFormat2W) return;
  Quiet();
  CHARFORMAT2W cf;
  std::memcpy(&cf, charFormat2W, sizeof cf);
  cf.cbSize = sizeof cf;
  formatted_ = true;
  // A format of the empty selection is the style of what is typed next: the box keeps that itself.
  if (Batching() && selection_.cpMax > selection_.cpMin) {
    size_t f = 0;
    while (f < formats_.size() && !SameFormat(formats_[f], cf)) ++f;
    if (f == formats_.size()) formats_.push_back(cf);
    runs_.push_back(Run{selection_.cpMin, selection_.cpMax, f});
    return;
  }
  Flush();
  uniform_ = false;
  NoEvents quiet(this);
  Native(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void SkinRichEdit::EnsureVisible(int pos) {
  if (!inner) return;
  Flush();
  Quiet();
  caretMoved_ = false;
  NoEvents quiet(this);
  RECT view;
  Native(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&view));
  POINTL at = {};
  Native(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), std::max(0, pos));
  POINT scroll = {};
  Native(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
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
    Native(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&target));
  }
}

LRESULT SkinRichEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kEndQuiet:
      Flush();
      if (quiet_ && inner) {
        quiet_ = false;
        Native(EM_HIDESELECTION, FALSE, 0);
        Native(EM_SETOPTIONS, ECOOP_OR, quietOptions_);
        // The view follows the last caret move, as it would have one move at a time.
        if (caretMoved_) Native(EM_SCROLLCARET, 0, 0);
        caretMoved_ = false;
        Native(WM_SETREDRAW, TRUE, 0);
        InvalidateRect(inner, nullptr, TRUE);
      }
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == inner && HIWORD(wp) == EN_CHANGE) {
        if (programWrites_ == 0) {
          uniform_ = false;
          Raise(SKIN_EVENT_CHANGED);
        }
        return 0;
      }
      break;
  }
  return Control::OnMessage(msg, wp, lp);
}

namespace {

// Messages from outside that change neither the text nor its formats.
bool LeavesFormats(UINT msg) {
  switch (msg) {
    case WM_PAINT: case WM_NCPAINT: case WM_ERASEBKGND: case WM_PRINTCLIENT: case WM_TIMER:
    case WM_SETFOCUS: case WM_KILLFOCUS: case WM_SETCURSOR: case WM_NCHITTEST: case WM_GETDLGCODE:
    case WM_MOUSEMOVE: case WM_NCMOUSEMOVE: case WM_MOUSELEAVE: case WM_MOUSEWHEEL:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_CONTEXTMENU: case WM_VSCROLL: case WM_HSCROLL: case WM_CAPTURECHANGED:
    case WM_WINDOWPOSCHANGING: case WM_WINDOWPOSCHANGED: case WM_MOVE: case WM_SIZE: case WM_NCCALCSIZE:
    case WM_SHOWWINDOW: case WM_STYLECHANGING: case WM_STYLECHANGED: case WM_DESTROY: case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_GETOBJECT:
    case EM_GETCHARFORMAT: case EM_GETPARAFORMAT: case EM_EXGETSEL: case EM_GETSEL: case EM_EXSETSEL:
    case EM_SETSEL: case EM_GETSELTEXT: case EM_GETTEXTEX: case EM_GETTEXTLENGTHEX: case EM_GETTEXTRANGE:
    case EM_GETLINECOUNT: case EM_GETFIRSTVISIBLELINE: case EM_POSFROMCHAR: case EM_CHARFROMPOS:
    case EM_LINEINDEX: case EM_LINEFROMCHAR: case EM_EXLINEFROMCHAR: case EM_LINELENGTH:
    case EM_GETEVENTMASK: case EM_GETOPTIONS: case EM_GETRECT: case EM_GETSCROLLPOS: case EM_SETSCROLLPOS:
    case EM_SCROLLCARET: case EM_CANUNDO: case EM_CANPASTE: case EM_GETMODIFY:
      return true;
  }
  return false;
}

}  // namespace

bool SkinRichEdit::OnInnerMessage(UINT msg, WPARAM, LPARAM, LRESULT* result) {
  // Whatever reaches the box from outside sees it as if nothing had been deferred.
  Flush();
  if (!LeavesFormats(msg)) uniform_ = false;
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
