#include "ui/win32/colours.h"

namespace ui::win32 {

// The system colours from Windows itself. Title-bar text (9) is white in the usual schemes but
// black on modern Windows and under wine, where black text on black boxes would follow: the boxes
// take the window colour, which is what white meant there.
COLORREF ToColour(const layout::Colour& colour) {
  using layout::SystemColour;
  switch (colour.source) {
    case layout::Colour::Source::Rgb:
      return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
    case layout::Colour::Source::None:
      return ToColour(layout::kWindowBackground);
    case layout::Colour::Source::System:
      break;
  }
  switch (colour.system) {
    case SystemColour::MenuBackground:
      return GetSysColor(COLOR_MENU);
    case SystemColour::TitleBarText:
      return GetSysColor(COLOR_WINDOW);
    case SystemColour::ButtonFace:
      return GetSysColor(COLOR_BTNFACE);
    case SystemColour::ButtonText:
      return GetSysColor(COLOR_BTNTEXT);
  }
  return GetSysColor(COLOR_MENU);
}

void Fill(HDC dc, const RECT& box, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

}  // namespace ui::win32
