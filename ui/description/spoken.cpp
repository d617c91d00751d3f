#include "ui/description/spoken.h"

#include "ui/description/layout.h"
#include "ui/description/texts.h"

namespace ui::spoken {
namespace {

const layout::ResultBinding* BindingOfLabel(std::size_t valueLabel) {
  for (const layout::ResultBinding& binding : layout::ResultBindings()) {
    if (binding.valueLabel.index == valueLabel) return &binding;
  }
  return nullptr;
}

std::string UnitWords(const layout::ResultBinding& binding) {
  return binding.unitLabel.Exists() ? binding.unitLabel.Row().spokenName : "";
}

// "Surface écran : 12 mètres carrés".
std::string Said(const layout::ResultBinding& binding, const std::string& captionText,
                 const std::string& valueText) {
  std::string said = Caption(binding.captionLabel.index, captionText) + " : " + valueText;
  if (const std::string unit = UnitWords(binding); !unit.empty()) said += " " + unit;
  return said;
}

}  // namespace

std::string Caption(std::size_t label, const std::string& shownText) {
  const char* spokenName = layout::Controls()[label].spokenName;
  if (spokenName != nullptr) return spokenName;
  std::string text = shownText;
  while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
  return text;
}

std::string Summary(const std::function<std::string(std::size_t label)>& shownText) {
  std::string summary = texts::kCalculationDone;
  const char* separator = " ";
  for (const layout::ResultBinding& binding : layout::ResultBindings()) {
    const std::size_t caption = binding.captionLabel.index;
    summary += separator;
    summary += Said(binding, shownText(caption), shownText(binding.valueLabel.index));
    separator = " ; ";
  }
  return summary + ".";
}

std::string Result(std::size_t valueLabel, const std::string& captionText,
                   const std::string& valueText) {
  const layout::ResultBinding* binding = BindingOfLabel(valueLabel);
  if (binding == nullptr) return {};
  if (valueText.empty()) return Caption(binding->captionLabel.index, captionText);
  return Said(*binding, captionText, valueText);
}

std::string ResultDescription(std::size_t valueLabel, const std::string& captionText) {
  const layout::ResultBinding* binding = BindingOfLabel(valueLabel);
  if (binding == nullptr) return {};
  std::string description = Caption(binding->captionLabel.index, captionText);
  if (const std::string unit = UnitWords(*binding); !unit.empty()) description += ", " + unit;
  return description;
}

std::string InputDescription(std::size_t input) {
  for (const auto& unit : layout::InputUnits()) {
    if (unit.input.index == input) return std::string("en ") + unit.unit.Row().spokenName;
  }
  return {};
}

}  // namespace ui::spoken
