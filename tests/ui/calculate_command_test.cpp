#include <QHelpEvent>
#include <QImage>
#include <QToolTip>

#include "tests/ui/window_fixture.h"

namespace solvanix_test {
namespace {

const QString kWarningTitle = QStringLiteral("Calculs érronés");
const QString kWarningText = QStringLiteral("L'écran est plus haut que large !!!");
const QString kFailureTitle = QStringLiteral("Calcul impossible");
const QString kFailureText = QStringLiteral("valeurs incorrectes !!!");

struct ExampleCase {
  const char* name;
  QStringList inputs;
  std::vector<QString> shown;
};
void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }

class WorkedExampleTest : public WindowTest, public testing::WithParamInterface<ExampleCase> {};

TEST_P(WorkedExampleTest, FillsEveryResultLabelWithoutABox) {
  Enter(GetParam().inputs);
  ClickOk();
  EXPECT_EQ(ResultTexts(), GetParam().shown);
  EXPECT_TRUE(TakeBoxes().empty());
  ClickOk();  // a second click on the same inputs changes nothing
  EXPECT_EQ(ResultTexts(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, WorkedExampleTest,
    testing::Values(ExampleCase{"WideXga",
                                {"6", "2", "2", "XGA", "128", "1.8"},
                                {"(1024x768)", "3", "12", "1920", "640", "6", "2", "0,4", "3,1",
                                 "3,2", "2,8", "5,76", "7,66"}},
                    ExampleCase{"SxgaPlus",
                                {"4", "2,25", "2", "SXGA+", "64", "1.4"},
                                {"(1400x1050)", "1,78", "9", "2736", "1539", "4", "2,25", "0,09",
                                 "1,5", "2,05", "1,95", "2,87", "4,77"}},
                    ExampleCase{"Hd",
                                {"8", "2.5", "2", "HD", "256", "0.73"},
                                {"(1920x1080)", "3,2", "20", "3584", "1120", "8", "2,5", "0,57",
                                 "2,2", "4,29", "3,71", "3,13", "5,03"}}),
    [](const auto& info) { return std::string(info.param.name); });

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
  Enter({"6", "2", "2", "XGA", "128", "1.8"});
  ClickOk();
  ASSERT_TRUE(TakeBoxes().empty());
  Type("Text2", QString());
  Choose("Combo3", QStringLiteral("HD"));
  ClickOk();
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], kFailureTitle, kFailureText);
  std::vector<QString> expected = {"(1920x1080)", "3",   "12",  "1920", "640",  "6",   "2",
                                   "0,4",         "3,1", "3,2", "2,8",  "5,76", "7,66"};
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
  Enter({"6", "2", "2", "XGA", "128", "1.8"});
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
  Enter({"6", "2", "2", "XGA", "128", "1.8"});
  ClickOk();
  EXPECT_EQ(Control("Label2")->accessibleName(), QStringLiteral("12"));
  EXPECT_EQ(Control("Label32")->accessibleName(), QStringLiteral("7,66"));
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
