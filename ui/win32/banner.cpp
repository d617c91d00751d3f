#include "ui/win32/banner.h"

#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/win32/com.h"

namespace ui::win32 {
namespace {

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
  if (jpeg == nullptr ||
      !Decode(jpeg, SizeofResource(instance, found), banner.pixels, banner.size)) {
    return {};
  }
  return banner;
}

HBITMAP ScaledBanner(const Banner& banner, SIZE size, bool mirrored) {
  if (banner.pixels.empty() || size.cx <= 0 || size.cy <= 0) return nullptr;
  const auto width = static_cast<std::size_t>(banner.size.cx);
  const auto height = static_cast<std::size_t>(banner.size.cy);
  // Where the centre of a target pixel falls in the source, and the weight of the next pixel.
  auto sample = [](LONG target, LONG targetSize, std::size_t sourceSize, std::size_t& first,
                   double& weight) {
    const double at = (target + 0.5) * static_cast<double>(sourceSize) / targetSize - 0.5;
    const double clamped = std::clamp(at, 0.0, static_cast<double>(sourceSize - 1));
    first = static_cast<std::size_t>(clamped);
    weight = clamped - static_cast<double>(first);
  };
  std::vector<std::uint32_t> scaled(static_cast<std::size_t>(size.cx) *
                                    static_cast<std::size_t>(size.cy));
  for (LONG y = 0; y < size.cy; ++y) {
    std::size_t top = 0;
    double down = 0;
    sample(y, size.cy, height, top, down);
    const std::size_t bottom = std::min(top + 1, height - 1);
    for (LONG x = 0; x < size.cx; ++x) {
      std::size_t left = 0;
      double across = 0;
      sample(mirrored ? size.cx - 1 - x : x, size.cx, width, left, across);
      const std::size_t right = std::min(left + 1, width - 1);
      const std::uint32_t corners[4] = {
          banner.pixels[top * width + left], banner.pixels[top * width + right],
          banner.pixels[bottom * width + left], banner.pixels[bottom * width + right]};
      std::uint32_t mixed = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        auto channel = [&](int corner) {
          return static_cast<double>((corners[corner] >> shift) & 0xFF);
        };
        const double upper = channel(0) + (channel(1) - channel(0)) * across;
        const double lower = channel(2) + (channel(3) - channel(2)) * across;
        mixed |= static_cast<std::uint32_t>(std::lround(upper + (lower - upper) * down)) << shift;
      }
      scaled[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.cx) +
             static_cast<std::size_t>(x)] = mixed;
    }
  }
  return ToBitmap(scaled, size);
}

}  // namespace ui::win32
