// A decoded picture (PNG bytes through the Windows Imaging Component) held as
// a premultiplied 32-bit DIB, drawn with its transparency.
#pragma once

#include <windows.h>

#include <memory>

namespace skinkit {

class Image {
 public:
  ~Image();
  // Null when the bytes are not a picture that WIC can read.
  static std::unique_ptr<Image> Decode(const void* bytes, int length);
  int width() const { return width_; }
  int height() const { return height_; }
  // Draws into r, scaled down (never up) to fit, centred.
  void Draw(HDC dc, const RECT& r) const;

 private:
  Image() = default;
  HBITMAP bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

bool StartImaging();

}  // namespace skinkit
