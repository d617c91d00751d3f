#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QT_SCALE_FACTOR", "2", 1);
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
