#include "tests/ui/window_fixture.h"

#include <QAbstractButton>
#include <QTest>

namespace solvanix_test {

void WindowTest::SetUp() {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  window_ = std::make_unique<ui::Form1>();
  window_->show();
  QApplication::setActiveWindow(window_.get());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  catcher_ = std::make_unique<QTimer>();
  catcher_->setInterval(5);
  QObject::connect(catcher_.get(), &QTimer::timeout, [this] { CatchModalBox(); });
  catcher_->start();
}

void WindowTest::TearDown() {
  catcher_->stop();
  for (const CaughtBox& box : boxes_) {
    ADD_FAILURE() << "unexpected box \"" << box.title.toStdString()
                  << "\": " << box.text.toStdString();
  }
  window_.reset();
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void WindowTest::CatchModalBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  CaughtBox caught{
      box->windowTitle(), box->text(), box->icon(), {}, box->parentWidget() == window_.get(),
      box->isModal(),     {}};
  for (QAbstractButton* button : box->buttons()) caught.buttons << button->text();
  for (const QString& name : kResultLabels) caught.labelsWhenShown[name] = LabelText(name);
  boxes_.push_back(caught);
  box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click() : box->reject();
}

QString WindowTest::LabelText(const QString& name) const {
  auto* label = window_->findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

std::vector<QString> WindowTest::ResultTexts() const {
  std::vector<QString> texts;
  for (const QString& name : kResultLabels) texts.push_back(LabelText(name));
  return texts;
}

void WindowTest::Type(const char* box, const QString& text) {
  auto* edit = Control<QLineEdit>(box);
  edit->clear();
  QTest::keyClicks(edit, text);
}

void WindowTest::Choose(const char* list, const QString& item) {
  auto* combo = Control<QComboBox>(list);
  const int index = combo->findText(item);
  ASSERT_GE(index, 0) << list << " has no item " << item.toStdString();
  combo->setCurrentIndex(index);
}

void WindowTest::Enter(const QStringList& in) {
  Type("Text1", in[0]);
  Type("Text2", in[1]);
  const char* lists[] = {"Combo1", "Combo3", "Combo5", "Combo6"};
  for (int i = 0; i < 4; ++i) Choose(lists[i], in[i + 2]);
}

void WindowTest::EnterExample(const WorkedExample& example) {
  QStringList inputs;
  for (const char* input : example.inputs) inputs << QString::fromUtf8(input);
  Enter(inputs);
}

void WindowTest::ClickOk() { QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton); }

void WindowTest::SetBoxCatchInterval(int milliseconds) { catcher_->setInterval(milliseconds); }

std::vector<CaughtBox> WindowTest::TakeBoxes() {
  std::vector<CaughtBox> taken;
  taken.swap(boxes_);
  return taken;
}

}  // namespace solvanix_test
