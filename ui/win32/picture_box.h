// The window class of the picture boxes. A picture box shows the picture it is given (already
// scaled by the window) from its top-left corner on its row's background, takes the focus when
// clicked and shows it with a focus rectangle. Only the window's own controls are picture boxes:
// one that is not is a fault of this program, which stops it.
#pragma once

#include <windows.h>

namespace ui::win32 {

inline constexpr wchar_t kPictureBoxClass[] = L"SolvanixPictureBox";
bool RegisterPictureBoxClass(HINSTANCE instance);
// The picture stays the caller's: it must outlive the box or be replaced first.
void ShowPicture(HWND pictureBox, HBITMAP picture);

}  // namespace ui::win32
