// The toolkit's looks: one light palette, fonts by face and pixel height, and
// the small drawing helpers that every control shares.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace skinkit::theme {

constexpr COLORREF kWindowBack = RGB(0xF4, 0xF6, 0xF9);
constexpr COLORREF kWindowBorder = RGB(0xC3, 0xCB, 0xD5);
constexpr COLORREF kPanelBack = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kPanelBorder = RGB(0xDC, 0xE1, 0xE7);
constexpr COLORREF kFieldBorder = RGB(0xC5, 0xCD, 0xD6);
constexpr COLORREF kFieldFocus = RGB(0x4A, 0x8A, 0xD4);
constexpr COLORREF kText = RGB(0x33, 0x33, 0x33);
constexpr COLORREF kMutedText = RGB(0x55, 0x5B, 0x63);
constexpr COLORREF kHoverBack = RGB(0xEC, 0xF2, 0xF9);
constexpr COLORREF kPressedBack = RGB(0xDA, 0xE6, 0xF4);
constexpr COLORREF kGhostHover = RGB(0xE4, 0xE8, 0xED);
constexpr COLORREF kGhostPressed = RGB(0xD6, 0xDB, 0xE1);
constexpr COLORREF kSelectedRow = RGB(0xDD, 0xEA, 0xFA);
constexpr COLORREF kRowLine = RGB(0xEE, 0xF1, 0xF4);
constexpr COLORREF kHeaderBack = RGB(0xF6, 0xF8, 0xFA);
constexpr COLORREF kHeaderLine = RGB(0xDD, 0xE2, 0xE8);
constexpr COLORREF kAccent = RGB(0x3A, 0x7B, 0xD5);

extern const wchar_t kDefaultFace[];
constexpr int kTextHeight = 14;  // pixels

// An ARGB colour as a COLORREF laid over back (alpha 0: fallback instead).
COLORREF FromArgb(uint32_t argb, COLORREF back, COLORREF fallback);
COLORREF Mix(COLORREF a, COLORREF b, int percentOfB);

// Fonts live until the DLL unloads; the same request gives the same font.
HFONT Font(const std::wstring& face, int pixelHeight, bool bold = false);

void Fill(HDC dc, const RECT& r, COLORREF colour);
void Frame(HDC dc, const RECT& r, COLORREF colour);
void RoundBox(HDC dc, const RECT& r, int radius, COLORREF fill, COLORREF border);
void Text(HDC dc, const std::wstring& text, RECT r, HFONT font, COLORREF colour, UINT format);

// A memory DC over a window's paint area, copied to the screen when it ends.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd);
  ~BufferedPaint();
  HDC dc() const { return memory_; }
  const RECT& client() const { return client_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC screen_;
  HDC memory_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  RECT client_{};
};

}  // namespace skinkit::theme
