#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

#include "tests/ui/window_fixture.h"

namespace solvanix_test {
namespace {

struct TypedCase {
  const char* name;
  QString typed;
  QString shown;
};
void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class DimensionTypingTest : public WindowTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(DimensionTypingTest, CommaBecomesAPoint) {
  for (const char* box : {"Text1", "Text2"}) {
    Type(box, GetParam().typed);
    EXPECT_EQ(Control<QLineEdit>(box)->text(), GetParam().shown) << box;
  }
}

INSTANTIATE_TEST_SUITE_P(Filters, DimensionTypingTest,
                         testing::Values(TypedCase{"DecimalComma", "2,5", "2.5"},
                                         TypedCase{"DecimalPoint", "2.5", "2.5"},
                                         TypedCase{"SecondPointKept", "1.2.3", "1.2.3"},
                                         TypedCase{"LettersKept", "12m", "12m"},
                                         TypedCase{"TwoCommas", ",,", ".."},
                                         TypedCase{"CutAtFiveCharacters", "123456", "12345"},
                                         TypedCase{"CommaCountsTowardsFive", "1,2345", "1.234"}),
                         [](const auto& info) { return std::string(info.param.name); });

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

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class ListKeyTest : public WindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ListKeyTest, CharacterKeysChangeNothing) {
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
                                         KeyCase{"CutShortcut", Qt::Key_X, Qt::ControlModifier}),
                         [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(WindowTest, ListsRefuseDrops) {
  for (const char* name : {"Combo1", "Combo3", "Combo5", "Combo6"}) {
    EXPECT_FALSE(Control<QComboBox>(name)->lineEdit()->acceptDrops()) << name;
  }
  EXPECT_TRUE(Control<QLineEdit>("Text1")->acceptDrops());
}

}  // namespace
}  // namespace solvanix_test
