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
    const layout::CalculationInputRefs& input = layout::CalculationInput();
    const blend::InputTexts texts{.screenWidth = window.InputText(input.screenWidth.index),
                                  .screenHeight = window.InputText(input.screenHeight.index),
                                  .projectorCount = window.InputText(input.projectorCount.index),
                                  .matrix = window.InputText(input.matrix.index),
                                  .overlapPixels = window.InputText(input.overlapPixels.index),
                                  .throwRatio = window.InputText(input.throwRatio.index)};
    LabelDisplay display(window);
    blend::Calculate(blend::ReadBlendInputs(texts), display, window.Regional());
  } catch (...) {
    // Whatever failed, reading a control included, the user is told the same thing.
    window.ShowMessage(texts::kCalculationFailure);
    return;
  }
  window.Announce(spoken::Summary([&](std::size_t label) { return window.LabelText(label); }));
}

}  // namespace ui
