// Hostile texts in the two dimension boxes, crossed with the list choices, through the real
// window: every click ends in the results or in the failure box, no label shows a non-number,
// and a second click on the same inputs changes nothing.
#include <QElapsedTimer>

#include <string>

#include "calc/blend.h"
#include "tests/ui/window_fixture.h"

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

struct ListChoice {
  QString projectors, matrix, overlap, throwRatio;
};

// The usual choice, then each list's every item and its empty state with the others usual,
// then every list empty.
std::vector<ListChoice> ListChoices() {
  const ListChoice usual{"2", "XGA", "128", "1.8"};
  std::vector<ListChoice> choices{usual};
  for (const char* item : {"", "2"}) choices.push_back({item, "XGA", "128", "1.8"});
  for (const char* item : {"", "XGA", "SXGA+", "HD"}) choices.push_back({"2", item, "128", "1.8"});
  for (const char* item : {"", "16", "32", "64", "128", "256"}) {
    choices.push_back({"2", "XGA", item, "1.8"});
  }
  for (const char* item : {"", "0.67", "0.73", "0.8", "1.2", "1.4", "1.5", "1.8", "2", "2.6", "2.8",
                           "4.1", "4.5", "6.9", "7.5", "10.4", "11.2"}) {
    choices.push_back({"2", "XGA", "128", item});
  }
  choices.push_back({"", "", "", ""});
  return choices;
}

class HostileInputSweep : public WindowTest {
 protected:
  void SetInputs(const QString& width, const QString& height, const ListChoice& lists) {
    Control<QLineEdit>("Text1")->setText(width);  // the box cuts it to five characters
    Control<QLineEdit>("Text2")->setText(height);
    SetList("Combo1", lists.projectors);
    SetList("Combo3", lists.matrix);
    SetList("Combo5", lists.overlap);
    SetList("Combo6", lists.throwRatio);
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
                              "\" lists " + lists.projectors.toStdString() + "/" +
                              lists.matrix.toStdString() + "/" + lists.overlap.toStdString() + "/" +
                              lists.throwRatio.toStdString();
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
