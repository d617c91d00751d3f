// The solvanix program as main.cpp builds it, ending at its first complete paint.
#include "bench/first_paint_probe.h"
#include "ui/form1.h"
#include "ui/qt/program.h"

int main(int /*argc*/, char* argv[]) {
  ui::qt::Program program(argv[0]);
  ui::Form1 window;
  new FirstPaintProbe(&window);
  window.show();
  return ui::qt::Program::exec();
}
