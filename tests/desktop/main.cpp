// The window on a real X server (run under xvfb-run). With "--grab-to <folder>" the program only
// saves what the window looks like there, for the appearance tests to compare; otherwise it runs
// the tests.
#include <gtest/gtest.h>

#include <QLocale>

#include <cstring>

#include "tests/desktop/grab.h"
#include "ui/qt/program.h"

int main(int argc, char** argv) {
  const bool grabbing = argc == 3 && std::strcmp(argv[1], "--grab-to") == 0;
  if (!grabbing) qputenv("QT_QPA_PLATFORM", "xcb");
  ui::qt::Program program(argv[0]);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  if (grabbing) return solvanix_test::SaveGrabs(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
