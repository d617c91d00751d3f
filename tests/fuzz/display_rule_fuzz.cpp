// For any finite double and either separator, the display text is that of "%.15G", reads back
// to the double that text denotes (or fails where that is beyond the range), and never says "inf",
// "nan" or "-0"; rounding never leaves the finite range.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/blend.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value)) return 0;
  const bool comma = size > sizeof(double) && (data[sizeof(double)] & 1) != 0;
  const blend::RegionalFormat format{comma ? "," : "."};

  for (int digits = 0; digits <= 2; ++digits) {
    if (!std::isfinite(blend::RoundHalfEven(value, digits))) std::abort();
  }

  const std::string text = blend::FormatForDisplay(value, format);
  if (text == "-0" || text.find("inf") != std::string::npos ||
      text.find("nan") != std::string::npos || text.find("INF") != std::string::npos ||
      text.find("NAN") != std::string::npos) {
    std::abort();
  }

  // The reference, written in the C locale that a fuzzer process keeps.
  char reference[64];
  std::snprintf(reference, sizeof reference, "%.15G", value);
  std::string expected = reference;
  if (expected == "-0") expected = "0";
  if (comma) {
    const std::size_t point = expected.find('.');
    if (point != std::string::npos) expected[point] = ',';
  }
  if (text != expected) std::abort();

  // Near the top of the range the 15-digit text can denote a number beyond it (DBL_MAX shows as
  // 1.79769313486232E+308); reading it back must then fail rather than give an infinity.
  const double denoted = std::strtod(reference, nullptr);
  try {
    if (blend::ReadDisplayedNumber(text, format) != denoted) std::abort();
    if (std::isinf(denoted)) std::abort();
  } catch (const blend::CalculationFailure&) {
    if (!std::isinf(denoted)) std::abort();
  }
  return 0;
}
