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

#include "tests/support/worked_examples.h"
#include "ui/description/layout.h"
#include "ui/form1.h"

namespace {

void BM_ClickToResults(benchmark::State& state) {
  ui::Form1 window;
  window.show();
  const solvanix_test::WorkedExample& example = solvanix_test::kWorkedExamples.front();
  const auto inputs = ui::layout::CalculationInputs();
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    QWidget* input = window.Control(inputs[i].index);
    const QString text = QString::fromUtf8(example.inputs.at(i));
    if (auto* box = qobject_cast<QLineEdit*>(input)) box->setText(text);
    if (auto* list = qobject_cast<QComboBox*>(input)) list->setCurrentIndex(list->findText(text));
  }
  auto* ok = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  auto* depth = window.findChild<QLabel*>(QStringLiteral("Label32"));
  for (auto _ : state) {
    depth->clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    if (depth->text() != QString::fromUtf8(example.shown.back())) {
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
