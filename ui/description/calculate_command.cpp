#include "ui/description/calculate_command.h"

#include "ui/description/layout.h"
#include "ui/description/spoken.h"

namespace ui {
namespace {

class LabelDisplay : public blend::Display {
 public:
  explicit LabelDisplay(CommandWindow& window) : window_(window) {}

  void Show(blend::ResultId id, const std::string& text) override {
    window_.ShowResult(layout::BindingOf(id).valueLabel.index, text);
  }
  void WarnTallerThanWide() override { window_.ShowMessage(texts::kTallerThanWide); }
  std::string ReadShown(blend::ResultId id) const override {
    return window_.LabelText(layout::BindingOf(id).valueLabel.index);
  }

 private:
  CommandWindow& window_;
};

}  // namespace

void RunCalculateCommand(CommandWindow& window) {
  try {
    const auto inputs = layout::CalculationInputs();
    const blend::InputTexts texts{
        window.InputText(inputs[0].index), window.InputText(inputs[1].index),
        window.InputText(inputs[2].index), window.InputText(inputs[3].index),
        window.InputText(inputs[4].index), window.InputText(inputs[5].index)};
    LabelDisplay display(window);
    blend::Calculate(blend::ReadBlendInputs(texts), display, window.Regional());
  } catch (...) {
    // Whatever failed, reading a control included, the user is told the same thing.
    window.ShowMessage(texts::kCalculationFailure);
    return;
  }
  window.Announce(spoken::Summary([&](std::size_t label) { return window.LabelText(label); },
                                  window.Regional()));
}

}  // namespace ui
