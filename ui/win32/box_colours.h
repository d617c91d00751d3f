// How the text boxes and lists, which Windows draws, take the description's colours: the answer
// to WM_CTLCOLOREDIT and WM_CTLCOLORLISTBOX. Every text box and list has the same text and
// background, those of the first input the calculation reads.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Sets the text and background colours of `dc` and returns the brush of the box's background,
// a system brush that nobody deletes.
HBRUSH PrepareBox(HDC dc);

}  // namespace ui::win32
