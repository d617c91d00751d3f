// Parameterised cases named once: a case derives from NamedCase, and its name is both the test's
// name (CaseName) and what a failure message prints.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace solvanix_test {

struct NamedCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& os, const NamedCase& c) { return os << c.name; }
};

struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

}  // namespace solvanix_test
