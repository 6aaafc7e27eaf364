#include "toolkit/win32/skin_picture.h"

#include "toolkit/win32/theme.h"

namespace skinkit {

void SkinPicture::SetImage(const void* png, int length) {
  image_ = Image::Decode(png, length);
  InvalidateRect(host, nullptr, FALSE);
}

void SkinPicture::Paint(HDC dc, const RECT& client) {
  theme::Fill(dc, client, ParentBackground());
  if (image_) image_->Draw(dc, client);
}

}  // namespace skinkit
