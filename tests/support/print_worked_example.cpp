// Prints what a user types for a worked example, for the scripts that drive the real program
// with xdotool: the width, the height, then for each list the number of Down presses that choose
// its item from the empty list; with "shown", the thirteen texts the window then shows,
// tab-separated.
//   print_worked_example <1-3>         ->   6 2 1 1 4 7
//   print_worked_example <1-3> shown   ->   (1024x768)	3	12	...
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <utility>

#include "tests/support/worked_examples.h"
#include "ui/description/layout.h"

int main(int argc, char** argv) {
  const bool shown = argc == 3 && std::strcmp(argv[2], "shown") == 0;
  const int number = argc == 2 || shown ? std::atoi(argv[1]) : 0;
  if (number < 1 || number > static_cast<int>(solvanix_test::kWorkedExamples.size())) {
    std::cerr << "usage: print_worked_example <1-" << solvanix_test::kWorkedExamples.size()
              << "> [shown]\n";
    return 2;
  }
  const auto& example = solvanix_test::kWorkedExamples[static_cast<std::size_t>(number - 1)];
  if (shown) {
    const char* separator = "";
    for (const char* text : example.shown) std::cout << std::exchange(separator, "\t") << text;
    std::cout << '\n';
    return 0;
  }
  const auto& inputs = example.inputs;
  std::cout << inputs[0] << ' ' << inputs[1];
  const auto lists = ui::layout::ComboLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const auto& items = lists[i].items;
    std::size_t position = 0;
    while (position < items.size() && std::strcmp(items[position].text, inputs[i + 2]) != 0) {
      ++position;
    }
    if (position == items.size()) return 1;
    std::cout << ' ' << position + 1;
  }
  std::cout << '\n';
  return 0;
}
