#include <QAction>
#include <QMenu>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/description/texts.h"

namespace solvanix_test {
namespace {

class AboutTest : public WindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(AboutTest, EitherVersionLabelShowsTheSameBox) {
  EnterExample(kWorkedExamples[0]);
  ClickOk();
  const std::vector<QString> before = ResultTexts();
  QTest::mouseClick(Control(GetParam()), Qt::LeftButton);
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  const CaughtBox& box = boxes[0];
  EXPECT_EQ(box.title, QStringLiteral("SOLVANIX v%1 Light").arg(ui::texts::kVersion));
  EXPECT_EQ(box.icon, QMessageBox::Information);
  EXPECT_EQ(box.buttons, QStringList{QStringLiteral("OK")});
  EXPECT_TRUE(box.parentedToWindow);
  EXPECT_TRUE(box.modal);
  const QStringList lines = box.text.split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 3);
  for (const QString& line : lines) EXPECT_FALSE(line.trimmed().isEmpty());
  EXPECT_FALSE(box.text.contains(QLatin1Char('\r')));
  EXPECT_TRUE(lines[0].contains(QStringLiteral("SOLVANIX Light")));
  EXPECT_EQ(ResultTexts(), before);
}

INSTANTIATE_TEST_SUITE_P(About, AboutTest, testing::Values("Version_1", "Version_2"));

TEST_F(WindowTest, OnlyTheVersionNumberShowsTheQuestionPointer) {
  EXPECT_EQ(Control("Version_1")->cursor().shape(), Qt::WhatsThisCursor);
  EXPECT_NE(Control("Version_2")->cursor().shape(), Qt::WhatsThisCursor);
}

TEST_F(WindowTest, OtherLabelsOpenNothing) {
  QTest::mouseClick(Control("Nom"), Qt::LeftButton);
  QTest::mouseClick(Control("Label41"), Qt::LeftButton);
  EXPECT_TRUE(TakeBoxes().empty());
}

const QStringList kFocusOrder = {"Text1",  "Text2",  "Command1", "Picture1", "Picture2",
                                 "Combo1", "Combo3", "Combo5",   "Combo6",   "Text1"};

TEST_F(WindowTest, FocusStartsInTheWidthAndTabsThroughTheDesignOrder) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < kFocusOrder.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, kFocusOrder);

  QStringList backwards = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < kFocusOrder.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    backwards << QApplication::focusWidget()->objectName();
  }
  QStringList reversed(kFocusOrder.rbegin(), kFocusOrder.rend());
  EXPECT_EQ(backwards, reversed);
}

// A focused OK button runs the calculation on Enter and keypad Enter, as on Space.
class OkKeyTest : public WindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(OkKeyTest, RunsTheCalculation) {
  EnterExample(kWorkedExamples[0]);
  Control("Command1")->setFocus();
  QTest::keyClick(Control("Command1"), GetParam().key, GetParam().modifiers);
  EXPECT_EQ(LabelText(QStringLiteral("Label32")), QStringLiteral("7,66"));
  EXPECT_TRUE(TakeBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, OkKeyTest,
                         testing::Values(KeyCase{"Return", Qt::Key_Return, Qt::NoModifier},
                                         KeyCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier},
                                         KeyCase{"Space", Qt::Key_Space, Qt::NoModifier}),
                         CaseName{});

// Qt's own texts are French whatever the user's language.
TEST_F(WindowTest, QtTextsAreFrench) {
  std::unique_ptr<QMenu> menu(Control<QLineEdit>("Text1")->createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
  }
  EXPECT_TRUE(texts.contains(QStringLiteral("Coller")))
      << texts.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("Tout sélectionner")));
}

}  // namespace
}  // namespace solvanix_test
