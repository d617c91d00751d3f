#include "ui/calculate_command.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QString>

#include <string>

#include "ui/message_box.h"

namespace ui {
namespace {

std::string InputText(const QWidget* control) {
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text().toStdString();
  if (const auto* list = qobject_cast<const QComboBox*>(control)) {
    return list->currentText().toStdString();
  }
  throw blend::CalculationFailure{};  // not an input control: the layout is wrong
}

class LabelDisplay : public blend::Display {
 public:
  LabelDisplay(QWidget* window, const CalculationControls& controls)
      : window_(window), controls_(controls) {}

  void Show(blend::ResultId id, const std::string& text) override {
    QLabel* label = Label(id);
    const QString caption = QString::fromStdString(text);
    label->setText(caption);
    label->setAccessibleName(caption);  // a screen reader reads the value itself
  }

  void WarnTallerThanWide() override {
    ShowMessage(window_, MessageIcon::Warning, QStringLiteral("Calculs érronés"),
                QStringLiteral("L'écran est plus haut que large !!!"));
  }

  std::string ReadShown(blend::ResultId id) const override {
    return Label(id)->text().toStdString();
  }

 private:
  QLabel* Label(blend::ResultId id) const {
    QLabel* label = controls_.results.at(static_cast<std::size_t>(id));
    if (label == nullptr) throw blend::CalculationFailure{};
    return label;
  }

  QWidget* window_;
  const CalculationControls& controls_;
};

}  // namespace

void RunCalculateCommand(QWidget* window, const CalculationControls& controls) {
  try {
    const auto& in = controls.inputs;
    const blend::InputTexts texts{InputText(in[0]), InputText(in[1]), InputText(in[2]),
                                  InputText(in[3]), InputText(in[4]), InputText(in[5])};
    const blend::RegionalFormat format{QLocale().decimalPoint().toStdString()};
    LabelDisplay display(window, controls);
    blend::Calculate(blend::ReadBlendInputs(texts), display, format);
  } catch (...) {
    ShowMessage(window, MessageIcon::Warning, QStringLiteral("Calcul impossible"),
                QStringLiteral("valeurs incorrectes !!!"));
  }
}

}  // namespace ui
