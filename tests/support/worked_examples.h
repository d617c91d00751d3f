// The three worked examples, written once for every test, benchmark and script that uses them:
// the six inputs as a user enters them, and the thirteen results as the window shows them under
// French regional settings, in the order the calculation produces them.
#pragma once

#include <array>
#include <ostream>

namespace solvanix_test {

struct WorkedExample {
  const char* name;
  std::array<const char*, 6> inputs;  // width, height, projectors, matrix, overlap, throw ratio
  std::array<const char*, 13> shown;  // with a decimal comma
  friend std::ostream& operator<<(std::ostream& os, const WorkedExample& e) { return os << e.name; }
};

inline constexpr std::array<WorkedExample, 3> kWorkedExamples = {{
    {"WideXga",
     {"6", "2", "2", "XGA", "128", "1.8"},
     {"(1024x768)", "3", "12", "1920", "640", "6", "2", "0,4", "3,1", "3,2", "2,8", "5,76",
      "7,66"}},
    // 1539 is the exact vertical total, and shows whole.
    {"SxgaPlus",
     {"4", "2.25", "2", "SXGA+", "64", "1.4"},
     {"(1400x1050)", "1,78", "9", "2736", "1539", "4", "2,25", "0,09", "1,5", "2,05", "1,95",
      "2,87", "4,77"}},
    // 3.13 + 1.9 is just below 5.03 as a double, and still shows "5,03".
    {"Hd",
     {"8", "2.5", "2", "HD", "256", "0.73"},
     {"(1920x1080)", "3,2", "20", "3584", "1120", "8", "2,5", "0,57", "2,2", "4,29", "3,71", "3,13",
      "5,03"}},
}};

}  // namespace solvanix_test
