#include <QApplication>
#include <QPushButton>

#include "ui/form1.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ui::Form1 window;
  const bool built = window.findChild<QPushButton*>(QStringLiteral("Command1")) != nullptr;
  return built && window.windowTitle() == QStringLiteral("SOLVANIX V1.64 Light") ? 0 : 1;
}
