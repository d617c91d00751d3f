// What a user does with the mouse and the keyboard, sent through the X server by xdotool and
// xclip, as another program's input would come: pastes from another program's selection, typing
// into an open list, the wheel, Enter on OK, and options on the command line.
#include <QAbstractItemView>
#include <QProcess>
#include <QTest>

#include "tests/ui/window_fixture.h"

namespace solvanix_test {
namespace {

class RealInput : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  static void XDo(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0)
        << arguments.join(QLatin1Char(' ')).toStdString();
    QTest::qWait(150);  // the events come back through the X server
  }

  static void MoveTo(const QWidget* widget) {
    const QPoint where = widget->mapToGlobal(widget->rect().center());
    XDo({"mousemove", QString::number(where.x()), QString::number(where.y())});
  }

  static void Click(const QWidget* widget, int button = 1) {
    MoveTo(widget);
    XDo({"click", QString::number(button)});
  }

  // Another program offers `text` as the X selection (primary or clipboard).
  static void Offer(const char* selection, const QByteArray& text) {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", QString::fromLatin1(selection)});
    ASSERT_TRUE(xclip.waitForStarted());
    xclip.write(text);
    xclip.closeWriteChannel();
    ASSERT_TRUE(xclip.waitForFinished());
  }
};

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
