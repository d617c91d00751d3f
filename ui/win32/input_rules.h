// The keystroke rules in Win32, on the controls' own window procedures
// (ui/description/keystroke_rules.h). A dimension box holds what the input rule reads, whatever
// changed its text: typed and pasted characters are turned before the box takes them, and after
// any other change the box's text is turned in place. A list's field shows one of its items or
// nothing, whatever changed its text: every WM_CHAR is discarded in its edit field and in the open
// list, paste, undo, the context menu and the input method are refused, Delete and Shift+Delete
// clear the whole field when any of it is selected, and any other text goes back at once to what
// the field showed. Arrows, F4 and Alt+Down keep their usual effect, and the wheel moves a list
// only while it has the focus. The OK button is pressed by Enter as by Space.
#pragma once

#include <windows.h>

#include "ui/description/layout.h"

namespace ui::win32 {

void GuardDimensionBox(HWND box);
void GuardList(HWND list, const layout::ComboList& items);
void PressOnEnter(HWND button);

}  // namespace ui::win32
