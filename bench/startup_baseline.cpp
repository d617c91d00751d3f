// The bare Qt Widgets program that start-up is measured against: a window of the same size with
// one label, ending at its first complete paint.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/first_paint_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(938, 586);
  auto* label = new QLabel(QStringLiteral("SOLVANIX"), &window);
  label->move(16, 16);
  new FirstPaintProbe(&window);
  window.show();
  return QApplication::exec();
}
