#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
