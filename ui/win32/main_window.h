// The program's only window in Win32, built from the window's description: every control is its
// own child window at its table position (15 twips to the pixel at 96 dpi, scaled to the
// monitor's dpi), answers WM_GETTEXT with its text, and takes the focus in the description's
// order through IsDialogMessage. The client area is fixed; the window neither resizes nor
// maximizes.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Creates and shows the window, then runs its message loop until the user closes it. Returns the
// program's exit status.
int RunMainWindow(HINSTANCE instance, int show);

}  // namespace ui::win32
