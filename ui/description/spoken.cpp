#include "ui/description/spoken.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "calc/blend.h"
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

// The unit after `value` as French says it: singular below 2 ("1,5 mètre"), plural from 2 on.
std::string UnitAfter(const layout::ResultBinding& binding, const std::string& value,
                      const blend::RegionalFormat& format) {
  std::string unit = UnitWords(binding);
  double number = 2;
  try {
    number = blend::ReadDisplayedNumber(value, format);
  } catch (const blend::CalculationFailure&) {
    return unit;  // not a number: as the label names it
  }
  if (!(std::fabs(number) < 2)) return unit;
  for (const layout::UnitWords& words : layout::kUnitWords) {
    if (unit == words.plural) return words.singular;
  }
  return unit;
}

// The results as the window shows them: those beside the inputs first, then the results column,
// each from top to bottom.
std::vector<const layout::ResultBinding*> InScreenOrder() {
  std::vector<const layout::ResultBinding*> order;
  for (const layout::ResultBinding& binding : layout::ResultBindings()) order.push_back(&binding);
  auto place = [](const layout::ResultBinding* binding) {
    const layout::ControlRow& value = binding->valueLabel.Row();
    const layout::ControlRow& caption = binding->captionLabel.Row();
    return std::tuple(value.left >= layout::kClientWidthTwips / 2, caption.top, caption.left);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](const auto* a, const auto* b) { return place(a) < place(b); });
  return order;
}

}  // namespace

std::string Caption(std::size_t label, const std::string& shownText) {
  const char* spokenName = layout::Controls()[label].spokenName;
  if (spokenName != nullptr) return spokenName;
  std::string text = shownText;
  while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
  return text;
}

std::string Summary(const std::function<std::string(std::size_t label)>& shownText,
                    const blend::RegionalFormat& format) {
  std::string summary = texts::kCalculationDone;
  const char* separator = " ";
  for (const layout::ResultBinding* binding : InScreenOrder()) {
    const std::size_t caption = binding->captionLabel.index;
    const std::string value = shownText(binding->valueLabel.index);
    summary += separator;
    summary += Caption(caption, shownText(caption)) + " : " + value;
    if (const std::string unit = UnitAfter(*binding, value, format); !unit.empty()) {
      summary += " " + unit;
    }
    separator = " ; ";
  }
  return summary + ".";
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
