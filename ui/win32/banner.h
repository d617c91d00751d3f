// The banner, a JPEG carried as a resource of the program, decoded once at start-up by the
// Windows Imaging Component into 32-bit pixels, and shown as bitmaps at the window's scale,
// scaled smoothly (bilinear, as Qt's smooth transformation), itself or mirrored.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace ui::win32 {

struct Banner {
  std::vector<std::uint32_t> pixels;  // top-down rows of 0x00RRGGBB
  SIZE size{};
};

// An empty banner when the resource is missing or cannot be decoded; the window then shows its
// picture boxes empty.
Banner LoadBanner(HINSTANCE instance, int resource);

// The banner scaled to `size`, mirrored left to right when asked; nullptr for an empty banner.
HBITMAP ScaledBanner(const Banner& banner, SIZE size, bool mirrored);

}  // namespace ui::win32
