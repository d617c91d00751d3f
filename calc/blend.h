// The soft-edge blend calculation.
//
// Six input texts become a BlendInputs record (ReadBlendInputs); Calculate then works out the
// geometry of a row of overlapping projectors step by step and hands every result, already
// rounded and formatted, to a Display the moment it is known. A failing step throws
// CalculationFailure, so results shown before it stay on show.
//
// The number rules never consult the C library's locale: the decimal point of input texts is
// always ".", and the separator of displayed texts comes from RegionalFormat alone.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace blend {

// The user's regional number format.
struct RegionalFormat {
  std::string decimalSeparator = ".";
};

// The one failure of a calculation; the user is always told the same thing.
class CalculationFailure : public std::exception {
 public:
  const char* what() const noexcept override { return "blend calculation failure"; }
};

// Input rule: blanks, tabs and line feeds removed, then the longest leading number ("." as the
// decimal point, E/e/D/d exponent, or a whole "&H"/"&O" number). Never fails: a text without a
// leading number reads as 0, a number beyond the double range as +/-infinity.
double ReadInputNumber(std::string_view text);

// Rounds to `digits` places after the point; exact halves go to the even neighbour. Decided on
// the double's exact binary value, the result is the double nearest the rounded decimal. Negative
// `digits` round to whole numbers; beyond 22 places the value is returned unchanged.
double RoundHalfEven(double value, int digits);

// Display rule, that of "%.15G" with the regional decimal separator; "-0" shows as "0".
// Throws CalculationFailure for infinity and not-a-number.
std::string FormatForDisplay(double value, const RegionalFormat& format = {});

// Read-back rule, the strict inverse of FormatForDisplay; anything else throws
// CalculationFailure.
double ReadDisplayedNumber(std::string_view text, const RegionalFormat& format = {});

// The six control texts, in reading order.
struct InputTexts {
  std::string screenWidth, screenHeight, projectorCount, matrix, overlapPixels, throwRatio;
};

struct BlendInputs {
  double screenWidth = 0, screenHeight = 0, projectorCount = 0;
  std::string matrixKey;  // first character of the matrix text, or ""
  double overlapPixels = 0, throwRatio = 0;
};

BlendInputs ReadBlendInputs(const InputTexts& texts);

struct MatrixSpec {
  std::string_view key;
  double nativeWidth;
  double nativeHeight;
  std::string_view caption;
};

// {"", 0, 0, ""} when no row matches; the comparison is exact and case-sensitive.
MatrixSpec LookUpMatrix(std::string_view matrixKey);

// The shown results, in the order Calculate produces them.
enum class ResultId {
  MatrixCaption,
  ScreenRatio,
  ScreenSurface,
  TotalHorizontalPixels,
  TotalVerticalPixels,
  UsefulWidth,
  UsefulHeight,
  OverlapWidth,
  PixelSize,
  ImageWidth,
  ProjectorSpacing,
  LensDistance,
  TotalThrowDepth
};

inline constexpr int kResultCount = static_cast<int>(ResultId::TotalThrowDepth) + 1;

class Display {
 public:
  virtual ~Display() = default;
  // Makes the text visible before the calculation goes on.
  virtual void Show(ResultId id, const std::string& text) = 0;
  // Returns once the user has acknowledged that the screen is taller than wide.
  virtual void WarnTallerThanWide() = 0;
  // The text most recently shown for `id`.
  virtual std::string ReadShown(ResultId id) const = 0;
};

// Runs one whole calculation against `display`. Throws CalculationFailure, and nothing else, out
// of the step that fails. Once every result is shown, the run still fails when the shown values
// describe no installation: no matrix row, a width or height that rounds to 0, a resolution,
// pixel size, image width or lens distance that is not positive, or a negative overlap or
// projector spacing.
void Calculate(const BlendInputs& inputs, Display& display, const RegionalFormat& format = {});

}  // namespace blend
