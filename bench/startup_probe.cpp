// The solvanix program as main.cpp builds it, ending at its first complete paint.
#include <QApplication>

#include "bench/first_paint_probe.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  ui::Form1 window;
  new FirstPaintProbe(&window);
  window.show();
  return QApplication::exec();
}
