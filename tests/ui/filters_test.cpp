#include <QAbstractItemView>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QWheelEvent>

#include "tests/ui/window_fixture.h"

namespace solvanix_test {
namespace {

struct TypedCase : NamedCase {
  QString typed;
  QString shown;
};

class DimensionTypingTest : public WindowTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(DimensionTypingTest, CommaBecomesAPoint) {
  for (const char* box : {"Text1", "Text2"}) {
    Type(box, GetParam().typed);
    EXPECT_EQ(Control<QLineEdit>(box)->text(), GetParam().shown) << box;
  }
}

INSTANTIATE_TEST_SUITE_P(Filters, DimensionTypingTest,
                         testing::Values(TypedCase{{"DecimalComma"}, "2,5", "2.5"},
                                         TypedCase{{"DecimalPoint"}, "2.5", "2.5"},
                                         TypedCase{{"SecondPointKept"}, "1.2.3", "1.2.3"},
                                         TypedCase{{"LettersKept"}, "12m", "12m"},
                                         TypedCase{{"TwoCommas"}, ",,", ".."},
                                         TypedCase{{"CutAtFiveCharacters"}, "123456", "12345"},
                                         TypedCase{{"CommaCountsTowardsFive"}, "1,2345", "1.234"}),
                         CaseName{});

TEST_F(WindowTest, PastedCommaBecomesAPoint) {
  auto* box = Control<QLineEdit>("Text1");
  QGuiApplication::clipboard()->setText(QStringLiteral("2,5"));
  box->setFocus();
  box->paste();
  EXPECT_EQ(box->text(), QStringLiteral("2.5"));
  box->clear();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), QStringLiteral("2.5"));
}

TEST_F(WindowTest, PastedCommaIsReadAsAPoint) {
  Enter({"", "2", "2", "XGA", "128", "1.8"});
  QGuiApplication::clipboard()->setText(QStringLiteral("6,5"));
  Control<QLineEdit>("Text1")->paste();
  ClickOk();
  EXPECT_EQ(LabelText(QStringLiteral("Label25")), QStringLiteral("6,5"));
}

TEST_F(WindowTest, DroppedCommaBecomesAPoint) {
  auto* box = Control<QLineEdit>("Text2");
  QMimeData data;
  data.setText(QStringLiteral("1,5"));
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box, &enter);
  QApplication::sendEvent(box, &drop);
  EXPECT_EQ(box->text(), QStringLiteral("1.5"));
}

class ListKeyTest : public WindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ListKeyTest, CharacterKeysChangeNothing) {
  QGuiApplication::clipboard()->setText(QStringLiteral("00"));  // what a paste would bring
  for (const char* name : {"Combo1", "Combo3", "Combo5", "Combo6"}) {
    auto* list = Control<QComboBox>(name);
    list->setCurrentIndex(0);
    const QString before = list->currentText();
    list->lineEdit()->setCursorPosition(1);
    QTest::keyClick(list, GetParam().key, GetParam().modifiers);
    QTest::keyClick(list->lineEdit(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(list->currentText(), before) << name;
    EXPECT_EQ(list->currentIndex(), 0) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Filters, ListKeyTest,
                         testing::Values(KeyCase{"Letter", Qt::Key_A, Qt::NoModifier},
                                         KeyCase{"Digit", Qt::Key_5, Qt::NoModifier},
                                         KeyCase{"Comma", Qt::Key_Comma, Qt::NoModifier},
                                         KeyCase{"Space", Qt::Key_Space, Qt::NoModifier},
                                         KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier},
                                         KeyCase{"Enter", Qt::Key_Return, Qt::NoModifier},
                                         KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier},
                                         KeyCase{"PasteShortcut", Qt::Key_V, Qt::ControlModifier},
                                         KeyCase{"ShiftInsert", Qt::Key_Insert, Qt::ShiftModifier},
                                         KeyCase{"CutShortcut", Qt::Key_X, Qt::ControlModifier}),
                         CaseName{});

TEST_F(WindowTest, ListsStillAnswerArrowsAndDelete) {
  auto* list = Control<QComboBox>("Combo3");
  list->setCurrentIndex(0);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentText(), QStringLiteral("SXGA+"));
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(list->currentText(), QStringLiteral("XGA"));
  list->lineEdit()->selectAll();
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(list->currentText(), QString());
}

// Typing into the open list must not move its highlight; the arrows and Enter still choose.
TEST_F(WindowTest, OpenListDiscardsTypingButChoosesWithArrows) {
  auto* list = Control<QComboBox>("Combo3");
  list->setFocus();
  list->showPopup();
  QAbstractItemView* popup = list->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
  const int highlighted = popup->currentIndex().row();
  QTest::keyClicks(popup, QStringLiteral("H"));  // would jump to "HD"
  EXPECT_EQ(popup->currentIndex().row(), highlighted);
  QTest::keyClick(popup, Qt::Key_Down);
  QTest::keyClick(popup, Qt::Key_Return);
  EXPECT_EQ(list->currentIndex(), highlighted + 1);
}

// The wheel over a list that does not have the focus neither changes it nor takes the focus.
TEST_F(WindowTest, WheelChangesOnlyTheFocusedList) {
  auto* list = Control<QComboBox>("Combo6");
  auto wheel = [&] {
    for (int notch = 0; notch < 3; ++notch) {
      QWheelEvent event(QPointF(10, 10), list->mapToGlobal(QPointF(10, 10)), QPoint(),
                        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(list, &event);
    }
  };
  Control("Text1")->setFocus();
  wheel();
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_TRUE(Control("Text1")->hasFocus());
  list->setFocus();
  wheel();
  EXPECT_NE(list->currentIndex(), -1);
}

TEST_F(WindowTest, ListsRefuseDrops) {
  for (const char* name : {"Combo1", "Combo3", "Combo5", "Combo6"}) {
    EXPECT_FALSE(Control<QComboBox>(name)->lineEdit()->acceptDrops()) << name;
  }
  EXPECT_TRUE(Control<QLineEdit>("Text1")->acceptDrops());
}

}  // namespace
}  // namespace solvanix_test
