// The keystroke rules in Win32, on the controls' own window procedures. The dimension boxes turn a
// typed or pasted comma into a point. The lists take their values from their lists only: every
// WM_CHAR is discarded in their edit field and in the open list, and paste, the context menu and
// the input method are refused; arrows, F4, Alt+Down and Delete keep their usual effect, and the
// wheel moves a list only while it has the focus. The OK button is pressed by Enter as by Space.
#pragma once

#include <windows.h>

namespace ui::win32 {

void GuardDimensionBox(HWND box);
void GuardList(HWND list);
void PressOnEnter(HWND button);

}  // namespace ui::win32
