// The description's colours in Win32. The system colours come from Windows itself, except the
// title-bar text, which stands for the window colour (see colours.cpp); a colour of "none" is the
// window's background.
#pragma once

#include <windows.h>

#include "ui/description/layout.h"

namespace ui::win32 {

COLORREF ToColour(const layout::Colour& colour);

// Fills `box` of `dc` with `colour`.
void Fill(HDC dc, const RECT& box, COLORREF colour);

}  // namespace ui::win32
