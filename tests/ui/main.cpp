#include <gtest/gtest.h>

#include <QLocale>

#include "ui/qt/program.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ui::qt::Program program(argv[0]);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
