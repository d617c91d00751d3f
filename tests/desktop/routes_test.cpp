// Every way a user or another program puts text into the inputs, through the X server: the
// context menu by the right button and the Menu key, Delete and Shift+Delete on part of a list's
// text, pastes of characters that look like others, undo after a comma (typed, pasted, or pasted
// from the box's menu), F1. After all of them, OK shows what the core computes from what the
// controls show.
#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QMenu>

#include "tests/desktop/real_input.h"
#include "ui/description/texts.h"

namespace solvanix_test {
namespace {

class Routes : public RealInput {
 protected:
  static bool MenuOpen() {
    QTest::qWait(200);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu != nullptr) menu->close();
    return menu != nullptr;
  }
};

TEST_F(Routes, ListsShowOnlyTheirItemsWhateverTheRoute) {
  EnterExample(kWorkedExamples[0]);
  Offer("clipboard", "4");
  auto* count = Control<QComboBox>("Combo1");
  Click(count->lineEdit(), 3);
  EXPECT_FALSE(MenuOpen()) << "the right button";
  XDo({"key", "Menu"});
  EXPECT_FALSE(MenuOpen()) << "the Menu key";
  EXPECT_EQ(count->currentText(), QStringLiteral("2"));

  // Delete with part of the text selected clears the whole field; without a selection, nothing.
  auto* throwRatio = Control<QComboBox>("Combo6");
  struct DeleteCase {
    const char* keys;
    const char* shows;
  };
  for (const DeleteCase& c :
       {DeleteCase{"End shift+Left Delete", ""}, DeleteCase{"Home shift+Right shift+Delete", ""},
        DeleteCase{"Home Delete", "1.8"}, DeleteCase{"End Delete", "1.8"},
        DeleteCase{"Home shift+End ctrl+Delete", ""}}) {
    Choose("Combo6", QStringLiteral("1.8"));
    Click(throwRatio->lineEdit());
    XDo(QStringList{QStringLiteral("key")} + QString::fromLatin1(c.keys).split(QLatin1Char(' ')));
    EXPECT_EQ(throwRatio->currentText(), QString::fromLatin1(c.shows)) << c.keys;
    EXPECT_EQ(throwRatio->currentIndex(), throwRatio->findText(QString::fromLatin1(c.shows)));
  }

  // An assistive tool's route, as AT-SPI's setTextContents takes it.
  auto* matrix = Control<QComboBox>("Combo3");
  QAccessibleInterface* field = QAccessible::queryAccessibleInterface(matrix->lineEdit());
  ASSERT_NE(field, nullptr);
  ASSERT_NE(field->editableTextInterface(), nullptr);
  field->editableTextInterface()->replaceText(0, 3, QStringLiteral("Hello"));
  EXPECT_EQ(matrix->currentText(), QStringLiteral("XGA"));
  field->editableTextInterface()->replaceText(0, 3, QStringLiteral("HD"));
  EXPECT_EQ(matrix->currentIndex(), matrix->findText(QStringLiteral("HD")));
  Choose("Combo3", QStringLiteral("XGA"));
  Choose("Combo6", QStringLiteral("1.8"));

  ClickOk();
  EXPECT_EQ(CheckAgainstTheCore(), "");
  EXPECT_EQ(LabelText(QStringLiteral("Label31")), QStringLiteral("5,76"));
}

TEST_F(Routes, DimensionBoxesHoldWhatTheRuleReads) {
  EnterExample(kWorkedExamples[0]);
  auto* width = Control<QLineEdit>("Text1");
  struct PasteCase {
    const char* pasted;  // UTF-8
    const char* held;
  };
  static constexpr PasteCase kCases[] = {
      {"1\xef\xbc\x96", "16"},  // a fullwidth six
      {"1\xc2\xa0"
       "2",
       "1 2"},  // a no-break space
      {"3\xe2\x80\xaf"
       "5",
       "3 5"},  // a narrow no-break space
      {"\xe2\x88\x92"
       "3",
       "-3"},                                           // the minus sign
      {"\xd9\xa3,\xd9\xa5", "3.5"},                     // Arabic-Indic digits and a comma
      {"\xef\xbc\x98\xef\xbc\x8e\xef\xbc\x95", "8.5"},  // fullwidth digits and point
      {"12m", "12m"},                                   // the rule stops at the "m", as shown
  };
  for (const PasteCase& c : kCases) {
    Offer("clipboard", c.pasted);
    Click(width);
    XDo({"key", "ctrl+a", "ctrl+v"});
    EXPECT_EQ(width->text(), QString::fromUtf8(c.held)) << c.pasted;
    ClickOk();
    EXPECT_EQ(CheckAgainstTheCore(), "") << c.pasted;
  }
  // The middle button and an assistive tool are held to the same rule.
  Offer("primary", "\xef\xbc\x97");
  width->clear();
  Click(width, 2);
  EXPECT_EQ(width->text(), QStringLiteral("7"));
  QAccessible::queryAccessibleInterface(width)->editableTextInterface()->replaceText(
      0, 1, QString::fromUtf8("\xe2\x88\x92\xd9\xa4"));
  EXPECT_EQ(width->text(), QStringLiteral("-4"));

  // A comma becomes a point, and the edit can still be undone.
  auto* height = Control<QLineEdit>("Text2");
  height->clear();
  Click(height);
  XDo({"type", "3,5"});
  EXPECT_EQ(height->text(), QStringLiteral("3.5"));
  XDo({"key", "ctrl+z"});
  EXPECT_NE(height->text(), QStringLiteral("3.5")) << "typed";
  Offer("clipboard", "2,5");
  XDo({"key", "ctrl+a", "ctrl+v"});
  EXPECT_EQ(height->text(), QStringLiteral("2.5"));
  XDo({"key", "ctrl+z"});
  EXPECT_NE(height->text(), QStringLiteral("2.5")) << "pasted";
  // Coller, chosen with the mouse in the box's own menu.
  Offer("clipboard", "4,5");
  XDo({"key", "ctrl+a"});
  Click(height, 3);
  QTest::qWait(200);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
  ASSERT_NE(paste, nullptr);
  Click(menu, 1, menu->actionGeometry(paste).center());
  EXPECT_EQ(height->text(), QStringLiteral("4.5"));
  XDo({"key", "ctrl+z"});
  EXPECT_NE(height->text(), QStringLiteral("4.5")) << "pasted from the menu";
}

TEST_F(Routes, F1OpensTheAboutBox) {
  Click(Control("Text1"));
  XDo({"key", "F1"});
  const std::vector<CaughtBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, QString::fromUtf8(ui::texts::kAbout.title));
  // The version labels offer their click to assistive tools.
  QAccessibleInterface* version = QAccessible::queryAccessibleInterface(Control("Version_1"));
  ASSERT_NE(version->actionInterface(), nullptr);
  ASSERT_TRUE(version->actionInterface()->actionNames().contains(QStringLiteral("click")));
  version->actionInterface()->doAction(QStringLiteral("click"));
  EXPECT_EQ(TakeBoxes().size(), 1u);
}

}  // namespace
}  // namespace solvanix_test
