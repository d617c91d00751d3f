// The four operations of the calculation, each refusing to let an infinity or a not-a-number
// pass: a non-finite operand, a division by zero (0 / 0 included) or an overflow throws
// CalculationFailure at the operation itself.
#pragma once

#include <cmath>

#include "calc/blend.h"

namespace blend::guarded {

inline double Checked(double value) {
  if (!std::isfinite(value)) throw CalculationFailure{};
  return value;
}

inline double Add(double a, double b) { return Checked(Checked(a) + Checked(b)); }
inline double Sub(double a, double b) { return Checked(Checked(a) - Checked(b)); }
inline double Mul(double a, double b) { return Checked(Checked(a) * Checked(b)); }

inline double Div(double a, double b) {
  if (Checked(b) == 0) throw CalculationFailure{};
  return Checked(Checked(a) / b);
}

}  // namespace blend::guarded
