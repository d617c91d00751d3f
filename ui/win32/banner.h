// The banner, a JPEG carried as a resource of the program, decoded once at start-up by the
// Windows Imaging Component into a 32-bit bitmap, and its mirror image.
#pragma once

#include <windows.h>

namespace ui::win32 {

struct Banner {
  HBITMAP picture = nullptr;
  HBITMAP mirrored = nullptr;
  SIZE size{};
};

// An empty banner when the resource is missing or cannot be decoded; the window then shows its
// picture boxes empty.
Banner LoadBanner(HINSTANCE instance, int resource);
void FreeBanner(Banner& banner);

}  // namespace ui::win32
