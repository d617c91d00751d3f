#include "ui/win32/banner.h"

#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace ui::win32 {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Com {
  T* p = nullptr;
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p != nullptr) p->Release();
  }
  T** operator&() { return &p; }  // NOLINT(google-runtime-operator): the COM out-parameter
  T* operator->() const { return p; }
};

HBITMAP ToBitmap(const std::vector<std::uint32_t>& pixels, SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
  return bitmap;
}

bool Decode(const void* jpeg, DWORD length, std::vector<std::uint32_t>& pixels, SIZE& size) {
  Com<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory)))) {
    return false;
  }
  Com<IStream> stream;
  stream.p = SHCreateMemStream(static_cast<const BYTE*>(jpeg), length);
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (stream.p == nullptr ||
      FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnLoad,
                                              &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0, WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 4096 ||
      height > 4096) {
    return false;
  }
  pixels.assign(std::size_t{width} * height, 0);
  size = {static_cast<LONG>(width), static_cast<LONG>(height)};
  return SUCCEEDED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size() * 4),
                                         reinterpret_cast<BYTE*>(pixels.data())));
}

}  // namespace

Banner LoadBanner(HINSTANCE instance, int resource) {
  Banner banner;
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resource), MAKEINTRESOURCEW(10));
  HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
  const void* jpeg = loaded != nullptr ? LockResource(loaded) : nullptr;
  std::vector<std::uint32_t> pixels;
  if (jpeg == nullptr || !Decode(jpeg, SizeofResource(instance, found), pixels, banner.size)) {
    return {};
  }
  banner.picture = ToBitmap(pixels, banner.size);
  for (LONG y = 0; y < banner.size.cy; ++y) {
    auto* row =
        pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(banner.size.cx);
    std::reverse(row, row + banner.size.cx);
  }
  banner.mirrored = ToBitmap(pixels, banner.size);
  return banner;
}

void FreeBanner(Banner& banner) {
  if (banner.picture != nullptr) DeleteObject(banner.picture);
  if (banner.mirrored != nullptr) DeleteObject(banner.mirrored);
  banner = {};
}

}  // namespace ui::win32
