#include "calc/blend.h"

#include <array>

namespace blend {
namespace {

// Length in bytes of the UTF-8 character that starts `text`; a malformed sequence counts as
// one byte so that the key is never empty for a non-empty text.
std::size_t FirstCharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
  }
  if (length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

constexpr std::array<MatrixSpec, 3> kMatrixTable = {{
    {"X", 1024, 768, "(1024x768)"},
    {"S", 1400, 1050, "(1400x1050)"},
    {"H", 1920, 1080, "(1920x1080)"},
}};

}  // namespace

BlendInputs ReadBlendInputs(const InputTexts& texts) {
  BlendInputs inputs;
  inputs.screenWidth = ReadInputNumber(texts.screenWidth);
  inputs.screenHeight = ReadInputNumber(texts.screenHeight);
  inputs.projectorCount = ReadInputNumber(texts.projectorCount);
  inputs.matrixKey = texts.matrix.substr(0, FirstCharacterLength(texts.matrix));
  inputs.overlapPixels = ReadInputNumber(texts.overlapPixels);
  inputs.throwRatio = ReadInputNumber(texts.throwRatio);
  return inputs;
}

MatrixSpec LookUpMatrix(std::string_view matrixKey) {
  for (const MatrixSpec& row : kMatrixTable) {
    if (row.key == matrixKey) return row;
  }
  return {"", 0, 0, ""};
}

}  // namespace blend
