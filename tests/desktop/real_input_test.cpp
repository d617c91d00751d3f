// What a user does with the mouse and the keyboard, sent through the X server by xdotool and
// xclip, as another program's input would come: pastes from another program's selection, typing
// into an open list, the wheel, Enter on OK, and options on the command line.
#include <QAbstractItemView>
#include <QProcess>
#include <QTest>

#include "tests/desktop/real_input.h"

namespace solvanix_test {
namespace {

TEST_F(RealInput, PastesNeverReachAList) {
  Choose("Combo5", QStringLiteral("128"));
  Offer("primary", "00");
  Offer("clipboard", "00");
  auto* overlap = Control<QComboBox>("Combo5");
  Click(overlap->lineEdit());
  XDo({"key", "End", "shift+Insert", "ctrl+v", "Insert"});
  Click(overlap->lineEdit(), 2);  // the middle button pastes the primary selection
  EXPECT_EQ(overlap->currentText(), QStringLiteral("128"));

  // Where pasting is allowed, the same selection arrives: the refusal above is not an accident.
  auto* width = Control<QLineEdit>("Text1");
  Click(width, 2);
  EXPECT_EQ(width->text(), QStringLiteral("00"));
}

TEST_F(RealInput, TypingIntoAnOpenListMovesNothing) {
  auto* matrix = Control<QComboBox>("Combo3");
  Click(matrix->lineEdit());
  XDo({"key", "F4"});
  QAbstractItemView* popup = matrix->view();
  ASSERT_TRUE(popup->isVisible());
  const int highlighted = popup->currentIndex().row();
  XDo({"type", "H"});
  EXPECT_EQ(popup->currentIndex().row(), highlighted);
  XDo({"key", "Down", "Return"});
  EXPECT_EQ(matrix->currentIndex(), highlighted + 1);
}

TEST_F(RealInput, WheelMovesOnlyTheFocusedList) {
  auto* throwRatio = Control<QComboBox>("Combo6");
  Click(Control("Text1"));
  MoveTo(throwRatio);
  XDo({"click", "--repeat", "3", "5"});
  EXPECT_EQ(throwRatio->currentIndex(), -1);
  EXPECT_EQ(QApplication::focusWidget(), Control("Text1"));

  Click(throwRatio->lineEdit());
  XDo({"click", "--repeat", "3", "5"});
  EXPECT_NE(throwRatio->currentIndex(), -1);
}

TEST_F(RealInput, EnterOnTheFocusedOkRunsTheCalculation) {
  EnterExample(kWorkedExamples[0]);
  Click(Control("Text2"));
  XDo({"key", "Tab", "Return"});
  EXPECT_EQ(LabelText(QStringLiteral("Label32")), QStringLiteral("7,66"));
  EnterExample(kWorkedExamples[2]);
  Control("Command1")->setFocus();
  XDo({"key", "KP_Enter"});
  EXPECT_EQ(LabelText(QStringLiteral("Label32")), QStringLiteral("5,03"));
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST(Program, TakesNoOptionsFromItsCommandLine) {
  QProcess program;
  program.start(QStringLiteral(SOLVANIX_PROGRAM), {"-qwindowtitle", "Autre", "-reverse"});
  ASSERT_TRUE(program.waitForStarted());
  bool found = false;
  for (int attempt = 0; attempt < 100 && !found; ++attempt) {
    found = QProcess::execute(QStringLiteral("xdotool"),
                              {"search", "--name", "^SOLVANIX V[0-9.]+ Light$"}) == 0;
    QTest::qWait(100);
  }
  EXPECT_TRUE(found) << "the window kept its own title";
  EXPECT_NE(QProcess::execute(QStringLiteral("xdotool"), {"search", "--name", "Autre"}), 0);
  program.kill();
  program.waitForFinished();
}

}  // namespace
}  // namespace solvanix_test
