// A shown Form1 for each test, with the French locale pinned and every modal box caught: a box
// that a test did not expect fails it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/named_case.h"
#include "tests/support/worked_examples.h"
#include "ui/form1.h"

// Failure messages show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace solvanix_test {

inline const QStringList kResultLabels = {"Label4",  "Label1",  "Label2",  "Label23", "Label24",
                                          "Label25", "Label26", "Label27", "Label28", "Label30",
                                          "Label29", "Label31", "Label32"};

// A key a user presses, with its modifiers, named for the test's name.
struct KeyCase : NamedCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

struct CaughtBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QStringList buttons;
  bool parentedToWindow;
  bool modal;
  std::map<QString, QString> labelsWhenShown;  // result label texts at the moment it opened
};

class WindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename T = QWidget>
  T* Control(const char* name) const {
    T* control = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QString LabelText(const QString& name) const;
  std::vector<QString> ResultTexts() const;

  void Type(const char* box, const QString& text);
  void Choose(const char* list, const QString& item);
  void Enter(const QStringList& sixInputs);  // Text1, Text2 typed; the lists chosen
  void EnterExample(const WorkedExample& example);
  void ClickOk();

  // After OK: what is wrong with the window, "" when nothing is. Each list shows one of its items
  // or nothing, each dimension box holds its text as the input rule reads it, and the labels show
  // what the core computes from what the controls show: every result after a run without the
  // failure box, the results before the failing step after one. Takes the boxes caught.
  std::string CheckAgainstTheCore();
  // The inputs' part of it, any time; `shown` takes the six texts the controls show.
  std::string CheckInputs(std::array<std::string, 6>* shown = nullptr) const;

  // How often the catcher looks for an open box; 0 answers boxes as soon as they open.
  void SetBoxCatchInterval(int milliseconds);

  // Boxes caught since the last call; the test takes responsibility for them.
  std::vector<CaughtBox> TakeBoxes();

  std::unique_ptr<ui::Form1> window_;

 private:
  void CatchModalBox();
  std::unique_ptr<QTimer> catcher_;
  std::vector<CaughtBox> boxes_;
};

}  // namespace solvanix_test
