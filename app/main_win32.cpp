// The program's entry on Windows with the native window.
#include <windows.h>

#include "ui/win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
  return ui::win32::RunMainWindow(instance, show);
}
