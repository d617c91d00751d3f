#include <QAccessible>
#include <QHelpEvent>
#include <QImage>
#include <QToolTip>

#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/description/spoken.h"

namespace solvanix_test {
namespace {

const QString kWarningTitle = QStringLiteral("Calculs érronés");
const QString kWarningText = QStringLiteral("L'écran est plus haut que large !!!");
const QString kFailureTitle = QStringLiteral("Calcul impossible");
const QString kFailureText = QStringLiteral("valeurs incorrectes !!!");

class WorkedExampleTest : public WindowTest, public testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExampleTest, FillsEveryResultLabelWithoutABox) {
  std::vector<QString> shown;
  for (const char* text : GetParam().shown) shown.push_back(QString::fromUtf8(text));
  EnterExample(GetParam());
  ClickOk();
  EXPECT_EQ(ResultTexts(), shown);
  EXPECT_TRUE(TakeBoxes().empty());
  ClickOk();  // a second click on the same inputs changes nothing
  EXPECT_EQ(ResultTexts(), shown);
}

INSTANTIATE_TEST_SUITE_P(Calculate, WorkedExampleTest, testing::ValuesIn(kWorkedExamples),
                         CaseName{});

void ExpectBox(const CaughtBox& box, const QString& title, const QString& text) {
  EXPECT_EQ(box.title, title);
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.icon, QMessageBox::Warning);
  EXPECT_EQ(box.buttons, QStringList{QStringLiteral("OK")});
  EXPECT_TRUE(box.parentedToWindow);
  EXPECT_TRUE(box.modal);
}

TEST_F(WindowTest, TallerThanWideWarnsAfterTheMatrixAndBeforeTheRatio) {
  Enter({"2", "6", "2", "XGA", "128", "1.8"});
  ClickOk();
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], kWarningTitle, kWarningText);
  EXPECT_EQ(boxes[0].labelsWhenShown.at(QStringLiteral("Label4")), QStringLiteral("(1024x768)"));
  EXPECT_EQ(boxes[0].labelsWhenShown.at(QStringLiteral("Label1")), QString());
  EXPECT_EQ(LabelText(QStringLiteral("Label1")), QStringLiteral("0,33"));
  EXPECT_EQ(LabelText(QStringLiteral("Label32")), QStringLiteral("3,82"));
}

TEST_F(WindowTest, EmptyStartShowsOnlyTheFailure) {
  ClickOk();
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], kFailureTitle, kFailureText);
  for (const QString& text : ResultTexts()) EXPECT_TRUE(text.isEmpty());
}

TEST_F(WindowTest, FailureLeavesTheLabelsItDidNotReach) {
  EnterExample(kWorkedExamples[0]);
  ClickOk();
  ASSERT_TRUE(TakeBoxes().empty());
  Type("Text2", QString());
  Choose("Combo3", QStringLiteral("HD"));
  ClickOk();
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], kFailureTitle, kFailureText);
  std::vector<QString> expected;  // the first run's results, but for the new matrix caption
  for (const char* text : kWorkedExamples[0].shown) expected.push_back(QString::fromUtf8(text));
  expected[0] = QStringLiteral("(1920x1080)");
  EXPECT_EQ(ResultTexts(), expected);
}

TEST_F(WindowTest, WarningThenFailureShowsBothBoxesInOrder) {
  Enter({"0", "2", "2", "XGA", "128", "1.8"});
  ClickOk();
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  ExpectBox(boxes[0], kWarningTitle, kWarningText);
  ExpectBox(boxes[1], kFailureTitle, kFailureText);
  EXPECT_EQ(boxes[1].labelsWhenShown.at(QStringLiteral("Label23")), QStringLiteral("1920"));
  EXPECT_EQ(LabelText(QStringLiteral("Label24")), QString());
}

TEST_F(WindowTest, SeparatorFollowsTheLocaleAtEveryClick) {
  EnterExample(kWorkedExamples[0]);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  ClickOk();
  EXPECT_EQ(LabelText(QStringLiteral("Label27")), QStringLiteral("0.4"));
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  ClickOk();
  EXPECT_EQ(LabelText(QStringLiteral("Label27")), QStringLiteral("0,4"));
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(WindowTest, HugeWidthEndsInTheFailureBoxWithoutInfinity) {
  Enter({"1E999", "2", "2", "XGA", "128", "1.8"});
  ClickOk();
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], kFailureTitle, kFailureText);
  for (const QString& text : ResultTexts()) {
    EXPECT_FALSE(text.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
  }
}

TEST_F(WindowTest, ResultValuesAreReadAsTheirText) {
  EnterExample(kWorkedExamples[0]);
  ClickOk();
  EXPECT_EQ(Control("Label2")->accessibleName(), QStringLiteral("12"));
  EXPECT_EQ(Control("Label32")->accessibleName(), QStringLiteral("7,66"));
}

// After a run that ends without the failure box, a notification carries the results for the
// screen reader, built from what the labels show; a failing run says nothing new.
TEST_F(WindowTest, ResultsAreAnnouncedOnceAfterEachRun) {
  auto announcement = [this]() -> QAccessibleInterface* {
    for (QObject* child : window_->children()) {
      QAccessibleInterface* candidate = QAccessible::queryAccessibleInterface(child);
      if (candidate != nullptr && candidate->role() == QAccessible::Notification) return candidate;
    }
    return nullptr;
  };
  EnterExample(kWorkedExamples[0]);
  ClickOk();
  QAccessibleInterface* notification = announcement();
  ASSERT_NE(notification, nullptr);
  const QString said = notification->text(QAccessible::Name);
  EXPECT_TRUE(said.startsWith(QStringLiteral(
      "Calcul terminé. Matrice : (1024x768) ; Ratio écran : 3 ; Surface écran : 12 mètres carrés ; "
      "Résolution horizontale totale utile : 1920 pixels ;")))
      << said.toStdString();
  EXPECT_TRUE(
      said.endsWith(QStringLiteral("Taille d'un pixel : 3,1 millimètres ; Entraxe des "
                                   "projecteurs : 2,8 mètres ; Largeur d'une image : 3,2 "
                                   "mètres ; Distance de l'objectif : 5,76 mètres ; Recul "
                                   "totale utile : 7,66 mètres.")))
      << said.toStdString();
  Type("Text2", QString());
  ClickOk();
  ASSERT_EQ(TakeBoxes().size(), 1u);  // the failure box
  EXPECT_EQ(announcement()->text(QAccessible::Name), said);
}

// The unit agrees with the label's exact text as French has it: singular below 2, whatever the
// separator and the sign.
TEST(SpokenSummary, UnitsAgreeWithTheirValues) {
  struct Case {
    const char* value;
    const char* said;
  };
  static constexpr Case kCases[] = {
      {"0,4", "Recul totale utile : 0,4 mètre."},
      {"1", "Recul totale utile : 1 mètre."},
      {"1.99", "Recul totale utile : 1.99 mètre."},
      {"-1,5", "Recul totale utile : -1,5 mètre."},
      {"1E-05", "Recul totale utile : 1E-05 mètre."},
      {"2", "Recul totale utile : 2 mètres."},
      {"10,5", "Recul totale utile : 10,5 mètres."},
      {"1E+15", "Recul totale utile : 1E+15 mètres."},
  };
  for (const Case& c : kCases) {
    const std::string said = ui::spoken::Summary([&](std::size_t label) {
      const ui::layout::ControlRow& row = ui::layout::Controls()[label];
      return ui::layout::ShowsResult(label) ? std::string(c.value) : std::string(row.caption);
    });
    EXPECT_TRUE(said.ends_with(c.said)) << said;
    EXPECT_NE(said.find(std::string("Taille d'un pixel : ") + c.value + " millimètre"),
              std::string::npos)
        << said;
  }
}

// A value too wide for its box is painted "###", never cut to other digits; the label still
// holds, shows in its tooltip and names the whole value.
TEST_F(WindowTest, ValueTooWideShowsHashesYetKeepsTheWholeValue) {
  Enter({"99999", "99999", "2", "XGA", "128", "1.8"});
  ClickOk();
  ASSERT_TRUE(TakeBoxes().empty());
  auto* surface = Control<QLabel>("Label2");
  const QString whole = QStringLiteral("9999800001");
  ASSERT_EQ(surface->text(), whole);
  EXPECT_EQ(surface->accessibleName(), whole);
  const QImage painted = surface->grab().toImage();
  QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), surface->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(surface, &hover);
  EXPECT_EQ(QToolTip::text(), whole);
  surface->setText(QStringLiteral("###"));
  EXPECT_EQ(painted, surface->grab().toImage());
  // A value that fits is painted as it is, and needs no tooltip.
  auto* ratio = Control<QLabel>("Label1");
  const QImage one = ratio->grab().toImage();
  ratio->setText(QStringLiteral("###"));
  EXPECT_NE(one, ratio->grab().toImage());
}

}  // namespace
}  // namespace solvanix_test
