// Any bytes read by the input rule give a number, at worst +/-infinity, never a not-a-number;
// the matrix key taken from them is a prefix of at most one character.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/blend.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = blend::ReadInputNumber(text);
  if (std::isnan(value)) std::abort();

  blend::InputTexts texts;
  texts.matrix = std::string(text);
  const std::string key = blend::ReadBlendInputs(texts).matrixKey;
  if (key.size() > 4 || text.substr(0, key.size()) != key) std::abort();
  if (!text.empty() && key.empty()) std::abort();
  return 0;
}
