// SkinPicture: shows one picture (PNG bytes), centred and scaled down to fit.
#pragma once

#include <memory>

#include "toolkit/win32/control.h"
#include "toolkit/win32/png_image.h"

namespace skinkit {

class SkinPicture final : public Control {
 public:
  SkinPicture() : Control(Kind::Picture, L"SkinPicture") {}
  void SetImage(const void* png, int length);

 private:
  void Paint(HDC dc, const RECT& client) override;
  std::unique_ptr<Image> image_;
};

}  // namespace skinkit
