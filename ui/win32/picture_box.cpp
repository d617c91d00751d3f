#include "ui/win32/picture_box.h"

#include <cstdlib>

#include "ui/description/layout.h"
#include "ui/win32/colours.h"
#include "ui/win32/control_ids.h"

namespace ui::win32 {
namespace {

// The row of `control`, one of the window's controls; for any other window the program stops,
// saying why to the debugger.
const layout::ControlRow& RowOf(HWND control) {
  const std::size_t index = IndexOf(GetDlgCtrlID(control));
  if (index >= layout::kControlCount) {
    OutputDebugStringW(L"SOLVANIX: a picture box that is none of the window's controls\n");
    std::abort();
  }
  return layout::Controls()[index];
}

LRESULT CALLBACK PictureBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT box;
      GetClientRect(window, &box);
      Fill(dc, box, ToColour(RowOf(window).background));
      auto* picture = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
      BITMAP size{};
      if (picture != nullptr && GetObjectW(picture, sizeof size, &size) != 0) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);  // unscaled
        SelectObject(source, old);
        DeleteDC(source);
      }
      if (GetFocus() == window) {
        InflateRect(&box, -1, -1);
        DrawFocusRect(dc, &box);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterPictureBoxClass(HINSTANCE instance) {
  WNDCLASSEXW pictureClass{};
  pictureClass.cbSize = sizeof pictureClass;
  pictureClass.lpfnWndProc = &PictureBoxProcedure;
  pictureClass.hInstance = instance;
  pictureClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  pictureClass.lpszClassName = kPictureBoxClass;
  return RegisterClassExW(&pictureClass) != 0;
}

void ShowPicture(HWND pictureBox, HBITMAP picture) {
  SetWindowLongPtrW(pictureBox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
  InvalidateRect(pictureBox, nullptr, TRUE);
}

}  // namespace ui::win32
