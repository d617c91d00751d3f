// Prints what a user types for a worked example, for the scripts that drive the real program
// with xdotool: the width, the height, then for each list the number of Down presses that choose
// its item from the empty list; with "shown", the thirteen texts the window then shows,
// tab-separated; with "keys", xdotool's commands, one a line, that enter the example from the
// window's first focus along its focus order, then "click X Y", the OK button's centre in the
// window's client area; with "lists", each list's name, its Down presses and the item,
// tab-separated, one a line; with "results", each result's caption, its unit in words and the text
// it shows, tab-separated, one a line in the order the calculation gives them.
//   print_worked_example <1-3>          ->   6 2 1 1 4 7
//   print_worked_example <1-3> shown    ->   (1024x768)\t3\t12\t...
//   print_worked_example <1-3> keys     ->   type 6 / key Tab / type 2 / ... / click 464 520
//   print_worked_example <1-3> lists    ->   Combo1\t1\t2 / ... / Combo6\t7\t1.8
//   print_worked_example <1-3> results  ->   ... / Surface écran:\tmètres carrés\t12 / ...
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <utility>

#include "tests/support/worked_examples.h"
#include "ui/description/layout.h"

namespace {

// The position of `text` in the list `list`, from 0; the list's size when it has no such item.
std::size_t ItemPosition(const ui::layout::ComboList& list, const char* text) {
  std::size_t position = 0;
  while (position < list.items.size() && std::strcmp(list.items[position].text, text) != 0) {
    ++position;
  }
  return position;
}

const ui::layout::ComboList* ListOf(std::size_t control) {
  for (const ui::layout::ComboList& list : ui::layout::ComboLists()) {
    if (list.combo.index == control) return &list;
  }
  return nullptr;
}

// Along the focus order from its start, up to the last input: each input's entry, then Tab.
bool PrintKeys(const solvanix_test::WorkedExample& example) {
  const auto order = ui::layout::FocusOrder();
  const auto inputs = ui::layout::CalculationInputs();
  std::size_t last = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    for (const ui::layout::ControlRef& input : inputs)
      last = input.index == order[i].index ? i : last;
  }
  for (std::size_t i = 0; i <= last; ++i) {
    for (std::size_t n = 0; n < inputs.size(); ++n) {
      if (inputs[n].index != order[i].index) continue;
      if (const ui::layout::ComboList* list = ListOf(order[i].index)) {
        const std::size_t position = ItemPosition(*list, example.inputs[n]);
        if (position == list->items.size()) return false;
        std::cout << "key";
        for (std::size_t down = 0; down <= position; ++down) std::cout << " Down";
        std::cout << '\n';
      } else {
        std::cout << "type " << example.inputs[n] << '\n';
      }
    }
    if (i < last) std::cout << "key Tab\n";
  }
  const ui::layout::ControlRow& ok = ui::layout::kCalculateButton.Row();
  std::cout << "click " << ui::layout::Pixels(ok.left + ok.width / 2) << ' '
            << ui::layout::Pixels(ok.top + ok.height / 2) << '\n';
  return true;
}

// Each list's name, the Down presses that choose the example's item from the empty list, and
// the item.
bool PrintLists(const solvanix_test::WorkedExample& example) {
  const auto inputs = ui::layout::CalculationInputs();
  for (std::size_t n = 0; n < inputs.size(); ++n) {
    const ui::layout::ComboList* list = ListOf(inputs[n].index);
    if (list == nullptr) continue;
    const std::size_t position = ItemPosition(*list, example.inputs[n]);
    if (position == list->items.size()) return false;
    std::cout << inputs[n].Name() << '\t' << position + 1 << '\t' << example.inputs[n] << '\n';
  }
  return true;
}

void PrintResults(const solvanix_test::WorkedExample& example) {
  for (const ui::layout::ResultBinding& binding : ui::layout::ResultBindings()) {
    const ui::layout::ControlRef unit = binding.unitLabel;
    std::cout << binding.captionLabel.Row().caption << '\t'
              << (unit.Exists() ? unit.Row().spokenName : "") << '\t'
              << example.shown.at(static_cast<std::size_t>(binding.id)) << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc == 3 ? argv[2] : "";
  const bool shown = std::strcmp(mode, "shown") == 0;
  const bool keys = std::strcmp(mode, "keys") == 0;
  const bool listsWanted = std::strcmp(mode, "lists") == 0;
  const bool resultsWanted = std::strcmp(mode, "results") == 0;
  const bool known = argc == 2 || shown || keys || listsWanted || resultsWanted;
  const int number = known ? std::atoi(argv[1]) : 0;
  if (number < 1 || number > static_cast<int>(solvanix_test::kWorkedExamples.size())) {
    std::cerr << "usage: print_worked_example <1-" << solvanix_test::kWorkedExamples.size()
              << "> [shown|keys|lists|results]\n";
    return 2;
  }
  const auto& example = solvanix_test::kWorkedExamples[static_cast<std::size_t>(number - 1)];
  if (listsWanted) return PrintLists(example) ? 0 : 1;
  if (resultsWanted) {
    PrintResults(example);
    return 0;
  }
  if (shown) {
    const char* separator = "";
    for (const char* text : example.shown) std::cout << std::exchange(separator, "\t") << text;
    std::cout << '\n';
    return 0;
  }
  if (keys) return PrintKeys(example) ? 0 : 1;
  const auto& inputs = example.inputs;
  std::cout << inputs[0] << ' ' << inputs[1];
  const auto lists = ui::layout::ComboLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const std::size_t position = ItemPosition(lists[i], inputs[i + 2]);
    if (position == lists[i].items.size()) return 1;
    std::cout << ' ' << position + 1;
  }
  std::cout << '\n';
  return 0;
}
