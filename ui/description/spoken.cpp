#include "ui/description/spoken.h"

#include <algorithm>
#include <string_view>
#include <tuple>
#include <vector>

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

// Whether a shown value is below 2 in size, read from its text whatever its decimal separator:
// "0,4", "-1.5" and "1E-05" are, "2", "12" and "1E+15" are not.
bool BelowTwo(std::string_view shown) {
  if (!shown.empty() && shown.front() == '-') shown.remove_prefix(1);
  if (const std::size_t e = shown.find('E'); e != std::string_view::npos) {
    return e + 1 < shown.size() && shown[e + 1] == '-';
  }
  const std::size_t whole = shown.find_first_not_of("0123456789");
  const std::string_view digits = shown.substr(0, whole);
  return digits == "0" || digits == "1";
}

// The unit after a value as French says it: singular below 2 ("1,5 mètre"), plural from 2 on.
std::string UnitAfter(const layout::ResultBinding& binding, const std::string& valueText) {
  std::string unit = UnitWords(binding);
  if (!BelowTwo(valueText)) return unit;
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

// "Surface écran : 12 mètres carrés".
std::string Said(const layout::ResultBinding& binding, const std::string& captionText,
                 const std::string& valueText) {
  std::string said = Caption(binding.captionLabel.index, captionText) + " : " + valueText;
  if (const std::string unit = UnitAfter(binding, valueText); !unit.empty()) said += " " + unit;
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
  for (const layout::ResultBinding* binding : InScreenOrder()) {
    const std::size_t caption = binding->captionLabel.index;
    summary += separator;
    summary += Said(*binding, shownText(caption), shownText(binding->valueLabel.index));
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
