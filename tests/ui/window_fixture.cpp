#include "tests/ui/window_fixture.h"

#include <QAbstractButton>
#include <QTest>

#include <optional>
#include <sstream>

#include "calc/blend.h"
#include "ui/description/keystroke_rules.h"
#include "ui/description/layout.h"
#include "ui/description/texts.h"

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

namespace {

// The core's results, kept as a window would show them.
class RecordingDisplay : public blend::Display {
 public:
  void Show(blend::ResultId id, const std::string& text) override {
    shown_[static_cast<std::size_t>(id)] = text;
  }
  void WarnTallerThanWide() override {}
  std::string ReadShown(blend::ResultId id) const override {
    return shown_[static_cast<std::size_t>(id)].value_or("");
  }
  const std::optional<std::string>& Shown(std::size_t id) const { return shown_[id]; }

 private:
  std::array<std::optional<std::string>, blend::kResultCount> shown_{};
};

}  // namespace

std::string WindowTest::CheckInputs(std::array<std::string, 6>* shown) const {
  std::ostringstream wrong;
  std::array<std::string, 6> texts;
  const auto inputs = ui::layout::CalculationInputs();
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    auto* input = window_->findChild<QWidget*>(QString::fromLatin1(inputs[i].Name()));
    if (auto* box = qobject_cast<QLineEdit*>(input)) {
      texts[i] = box->text().toStdString();
      const std::u16string held = ui::keystrokes::InDimensionBox(box->text().toStdU16String());
      if (held != box->text().toStdU16String()) {
        wrong << inputs[i].Name() << " holds \"" << texts[i] << "\", a look-alike; ";
      }
    } else if (auto* list = qobject_cast<QComboBox*>(input)) {
      texts[i] = list->currentText().toStdString();
      for (const ui::layout::ComboList& entry : ui::layout::ComboLists()) {
        if (entry.combo.index == inputs[i].index && !ui::keystrokes::ListMayShow(entry, texts[i])) {
          wrong << inputs[i].Name() << " shows \"" << texts[i] << "\", no item of its; ";
        }
      }
    }
  }
  if (shown != nullptr) *shown = texts;
  return wrong.str();
}

std::string WindowTest::CheckAgainstTheCore() {
  std::array<std::string, 6> texts;
  std::ostringstream wrong;
  wrong << CheckInputs(&texts);
  RecordingDisplay core;
  bool failed = false;
  try {
    blend::Calculate(
        blend::ReadBlendInputs({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]}), core,
        {","});
  } catch (const blend::CalculationFailure&) {
    failed = true;
  }
  bool failureBox = false;
  for (const CaughtBox& box : TakeBoxes()) {
    failureBox |= box.title == QString::fromUtf8(ui::texts::kCalculationFailure.title);
  }
  if (failed != failureBox) {
    wrong << (failed ? "the core fails, yet no failure box; " : "a failure box the core has not; ");
  }
  for (const ui::layout::ResultBinding& binding : ui::layout::ResultBindings()) {
    const auto& computed = core.Shown(static_cast<std::size_t>(binding.id));
    if (!computed) continue;
    const std::string shown =
        LabelText(QString::fromLatin1(binding.valueLabel.Name())).toStdString();
    if (shown != *computed) {
      wrong << binding.valueLabel.Name() << " shows \"" << shown << "\", the core \"" << *computed
            << "\"; ";
    }
  }
  if (!wrong.str().empty()) {
    wrong << "inputs:";
    for (const std::string& text : texts) wrong << " \"" << text << '"';
  }
  return wrong.str();
}

}  // namespace solvanix_test
