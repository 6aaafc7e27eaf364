#include "toolkit/win32/png_image.h"

#include <wincodec.h>

#include <algorithm>

namespace skinkit {

namespace {

IWICImagingFactory* factory = nullptr;

template <class T>
struct Releaser {
  T* p = nullptr;
  ~Releaser() {
    if (p) p->Release();
  }
};

}  // namespace

bool StartImaging() {
  if (factory) return true;
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)hr;  // already initialised in another mode is fine for an in-process factory
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(&factory)));
}

Image::~Image() {
  if (bitmap_) DeleteObject(bitmap_);
}

std::unique_ptr<Image> Image::Decode(const void* bytes, int length) {
  if (!bytes || length <= 0 || !StartImaging()) return nullptr;
  Releaser<IWICStream> stream;
  Releaser<IWICBitmapDecoder> decoder;
  Releaser<IWICBitmapFrameDecode> frame;
  Releaser<IWICFormatConverter> converter;
  if (FAILED(factory->CreateStream(&stream.p))) return nullptr;
  if (FAILED(stream.p->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), length))) return nullptr;
  if (FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnLoad, &decoder.p)))
    return nullptr;
  if (FAILED(decoder.p->GetFrame(0, &frame.p))) return nullptr;
  if (FAILED(factory->CreateFormatConverter(&converter.p))) return nullptr;
  if (FAILED(converter.p->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
    return nullptr;
  UINT w = 0, h = 0;
  if (FAILED(converter.p->GetSize(&w, &h)) || w == 0 || h == 0) return nullptr;

  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = static_cast<LONG>(w);
  bi.bmiHeader.biHeight = -static_cast<LONG>(h);  // top-down, as WIC copies
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  if (FAILED(converter.p->CopyPixels(nullptr, w * 4, w * 4 * h, static_cast<BYTE*>(bits)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  std::unique_ptr<Image> image(new Image);
  image->bitmap_ = bitmap;
  image->width_ = static_cast<int>(w);
  image->height_ = static_cast<int>(h);
  return image;
}

void Image::Draw(HDC dc, const RECT& r) const {
  int boxW = r.right - r.left, boxH = r.bottom - r.top;
  if (boxW <= 0 || boxH <= 0) return;
  int w = width_, h = height_;
  if (w > boxW || h > boxH) {
    if (w * boxH > h * boxW) h = std::max(1, h * boxW / w), w = boxW;
    else w = std::max(1, w * boxH / h), h = boxH;
  }
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap_);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  SetStretchBltMode(dc, HALFTONE);
  AlphaBlend(dc, r.left + (boxW - w) / 2, r.top + (boxH - h) / 2, w, h, memory, 0, 0, width_, height_, blend);
  SelectObject(memory, old);
  DeleteDC(memory);
}

}  // namespace skinkit
