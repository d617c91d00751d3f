// From the OK click to all thirteen result labels written, for the first worked example, through
// the real window under the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "ui/form1.h"

namespace {

void BM_ClickToResults(benchmark::State& state) {
  ui::Form1 window;
  window.show();
  window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("6"));
  window.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("2"));
  window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
  window.findChild<QComboBox*>(QStringLiteral("Combo3"))->setCurrentIndex(0);
  window.findChild<QComboBox*>(QStringLiteral("Combo5"))->setCurrentIndex(3);
  window.findChild<QComboBox*>(QStringLiteral("Combo6"))->setCurrentIndex(6);
  auto* ok = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  auto* depth = window.findChild<QLabel*>(QStringLiteral("Label32"));
  for (auto _ : state) {
    depth->clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    if (depth->text() != QStringLiteral("7,66")) {
      state.SkipWithError("the click did not produce the worked example");
      break;
    }
  }
}
BENCHMARK(BM_ClickToResults)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
