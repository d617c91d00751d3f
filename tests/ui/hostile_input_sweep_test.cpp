// Hostile texts in the two dimension boxes, crossed with the list choices, through the real
// window: every click ends in the results or in the failure box, no label shows a non-number,
// and a second click on the same inputs changes nothing.
#include <QElapsedTimer>

#include <array>
#include <string>

#include "calc/blend.h"
#include "tests/ui/window_fixture.h"
#include "ui/description/layout.h"

namespace solvanix_test {
namespace {

const QStringList kHostileTexts = {
    "",       " ",      "     ",  "-0",     "0",    "00000", "1E999", "-1E999",  "1E-99",
    "9E99",   "1e308",  "1E-4",   "&HFFFF", "&H",   "&hG",   "&O777", "&O8",     ".",
    "+",      "-",      "--1",    "+-1",    "1e",   "1e+",   "1E5",   "1D3",     "abc",
    "m",      "é",      "Ωμ",     "中文",   "ß2",   "Ä1",    "99999", "-9999",   "0.001",
    "0.004",  "0.005",  ".0001",  "1.2.3",  "1..2", "2,5",   ",5",    ",",       "1 2",
    "\t1",    "12m",    "6",      "2",      "2.25", "-6",    "-2",    "0x10",    "∞",
    "NaN",    "inf",    "-inf",   "1/2",    "½",    "١٢",    "𝟙",     "\u00A01", "1\u2009000",
    "123456", "-.5e-3", "5e-324",
};

// What each list shows, in the description's order of the lists.
using ListChoice = std::array<QString, 4>;

// The first worked example's choice, then each list's every item and its empty state with the
// others as there, then every list empty.
std::vector<ListChoice> ListChoices() {
  const auto& example = kWorkedExamples[0].inputs;
  const ListChoice usual{example[2], example[3], example[4], example[5]};
  std::vector<ListChoice> choices{usual};
  const auto lists = ui::layout::ComboLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    choices.push_back(usual);
    choices.back()[i].clear();
    for (const ui::layout::ListItem& item : lists[i].items) {
      choices.push_back(usual);
      choices.back()[i] = QString::fromUtf8(item.text);
    }
  }
  choices.push_back({});
  return choices;
}

class HostileInputSweep : public WindowTest {
 protected:
  void SetInputs(const QString& width, const QString& height, const ListChoice& lists) {
    Control<QLineEdit>("Text1")->setText(width);  // the box cuts it to five characters
    Control<QLineEdit>("Text2")->setText(height);
    const auto combos = ui::layout::ComboLists();
    for (std::size_t i = 0; i < combos.size(); ++i) SetList(combos[i].combo.Name(), lists[i]);
  }

  void SetList(const char* name, const QString& item) {
    auto* list = Control<QComboBox>(name);
    list->setCurrentIndex(item.isEmpty() ? -1 : list->findText(item));
    ASSERT_EQ(list->currentText(), item);
  }

  // One click; returns the titles of the boxes it opened.
  QStringList Click() {
    ClickOk();
    QStringList titles;
    for (const CaughtBox& box : TakeBoxes()) titles << box.title;
    return titles;
  }

  void CheckRun(const QString& width, const QString& height, const ListChoice& lists) {
    const std::string where = "W \"" + width.toStdString() + "\" H \"" + height.toStdString() +
                              "\" lists " +
                              QStringList(lists.begin(), lists.end()).join('/').toStdString();
    SetInputs(width, height, lists);
    EXPECT_LE(Control<QLineEdit>("Text1")->text().size(), 5) << where;
    const QStringList first = Click();
    const std::vector<QString> shown = ResultTexts();
    const QStringList second = Click();
    EXPECT_EQ(first, second) << where;
    EXPECT_EQ(shown, ResultTexts()) << where;

    const QString warning = QStringLiteral("Calculs érronés");
    const QString failure = QStringLiteral("Calcul impossible");
    const bool failed = first.contains(failure);
    EXPECT_LE(first.count(warning), 1) << where;
    EXPECT_LE(first.count(failure), 1) << where;
    if (failed) {
      EXPECT_EQ(first.last(), failure) << where;
    }
    if (!first.isEmpty() && first.first() == warning) {
      EXPECT_GT(height.size(), 0) << where;
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const QString& text = shown[i];
      EXPECT_FALSE(text.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << where;
      EXPECT_FALSE(text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << where;
      EXPECT_NE(text, QStringLiteral("-")) << where;
      EXPECT_NE(text, QStringLiteral("-0")) << where;
      if (i == 0 || text.isEmpty()) continue;  // the matrix caption, or a label not yet reached
      EXPECT_NO_THROW(blend::ReadDisplayedNumber(text.toStdString(), blend::RegionalFormat{","}))
          << where << " " << kResultLabels[static_cast<int>(i)].toStdString() << " \""
          << text.toStdString() << "\"";
    }
    if (!failed) {
      for (const QString& text : shown) EXPECT_FALSE(text.isEmpty()) << where;
    }
    ++runs_;
  }

  int runs_ = 0;
};

TEST_F(HostileInputSweep, EveryClickEndsInResultsOrTheFailureBox) {
  SetBoxCatchInterval(0);
  QElapsedTimer clock;
  clock.start();
  const std::vector<ListChoice> choices = ListChoices();
  for (const QString& text : kHostileTexts) {
    for (const ListChoice& lists : choices) {
      CheckRun(text, QStringLiteral("2"), lists);
      CheckRun(QStringLiteral("6"), text, lists);
    }
    CheckRun(text, text, choices.front());
    CheckRun(text, text, choices.back());
    if (HasFailure()) break;  // one broken text is enough to read
  }
  RecordProperty("runs", runs_);
  RecordProperty("milliseconds", static_cast<int>(clock.elapsed()));
}

}  // namespace
}  // namespace solvanix_test
