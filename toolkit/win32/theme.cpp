#include "toolkit/win32/theme.h"

#include <map>
#include <tuple>

namespace skinkit::theme {

const wchar_t kDefaultFace[] = L"微软雅黑";

COLORREF FromArgb(uint32_t argb, COLORREF back, COLORREF fallback) {
  if (argb == 0) return fallback;
  COLORREF c = RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
  int alpha = static_cast<int>(argb >> 24);
  if (alpha == 0) return fallback;
  return Mix(back, c, alpha * 100 / 255);
}

COLORREF Mix(COLORREF a, COLORREF b, int percentOfB) {
  auto channel = [&](int shift) {
    int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return (x * (100 - percentOfB) + y * percentOfB + 50) / 100;
  };
  return RGB(channel(0), channel(8), channel(16));
}

HFONT Font(const std::wstring& face, int pixelHeight, bool bold) {
  static std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts;
  const std::wstring& name = face.empty() ? std::wstring(kDefaultFace) : face;
  auto key = std::make_tuple(name, pixelHeight, bold);
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  HFONT f = CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_SEMIBOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, name.c_str());
  fonts[key] = f;
  return f;
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Frame(HDC dc, const RECT& r, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void RoundBox(HDC dc, const RECT& r, int radius, COLORREF fill, COLORREF border) {
  if (radius <= 0) {
    Fill(dc, r, fill);
    Frame(dc, r, border);
    return;
  }
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
  SetDCBrushColor(dc, fill);
  SetDCPenColor(dc, border);
  RoundRect(dc, r.left, r.top, r.right, r.bottom, radius * 2, radius * 2);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}

void Text(HDC dc, const std::wstring& text, RECT r, HFONT font, COLORREF colour, UINT format) {
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX);
  SelectObject(dc, old);
}

BufferedPaint::BufferedPaint(HWND hwnd) : hwnd_(hwnd) {
  screen_ = BeginPaint(hwnd, &ps_);
  GetClientRect(hwnd, &client_);
  memory_ = CreateCompatibleDC(screen_);
  bitmap_ = CreateCompatibleBitmap(screen_, client_.right > 0 ? client_.right : 1,
                                   client_.bottom > 0 ? client_.bottom : 1);
  old_ = SelectObject(memory_, bitmap_);
}

BufferedPaint::~BufferedPaint() {
  BitBlt(screen_, 0, 0, client_.right, client_.bottom, memory_, 0, 0, SRCCOPY);
  SelectObject(memory_, old_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
  EndPaint(hwnd_, &ps_);
}

}  // namespace skinkit::theme
