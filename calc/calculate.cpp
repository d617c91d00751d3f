#include "calc/blend.h"

#include <cmath>
#include <string>

#include "calc/guarded_arithmetic.h"

namespace blend {
namespace {

using guarded::Add;
using guarded::Div;
using guarded::Mul;
using guarded::Sub;

// The depth behind the lens that every installation needs, in metres.
constexpr double kDepthBehindLens = 1.9;

void RunSteps(const BlendInputs& in, Display& display, const RegionalFormat& format) {
  auto show = [&](ResultId id, double value) { display.Show(id, FormatForDisplay(value, format)); };
  auto shown = [&](ResultId id) { return ReadDisplayedNumber(display.ReadShown(id), format); };

  const double W = in.screenWidth;
  const double H = in.screenHeight;
  const double N = in.projectorCount;
  const double P = in.overlapPixels;
  const double T = in.throwRatio;

  const MatrixSpec matrix = LookUpMatrix(in.matrixKey);
  display.Show(ResultId::MatrixCaption, std::string(matrix.caption));

  if (H > W) display.WarnTallerThanWide();

  const double ratio = Div(W, H);
  show(ResultId::ScreenRatio, RoundHalfEven(ratio, 2));

  const double surface = Mul(W, H);
  show(ResultId::ScreenSurface, RoundHalfEven(surface, 2));

  // Resolutions show their whole part: a total of 1539 pixels is 1539, 1538.7 is 1538.
  const double totalH = Sub(Mul(N, matrix.nativeWidth), Mul(P, Sub(N, 1)));
  show(ResultId::TotalHorizontalPixels, std::floor(totalH));

  const double totalV = Div(totalH, ratio);
  show(ResultId::TotalVerticalPixels, std::floor(totalV));

  Div(totalH, totalV);  // a picture without height has no aspect: fails when totalV is 0

  show(ResultId::UsefulWidth, RoundHalfEven(W, 2));
  show(ResultId::UsefulHeight, RoundHalfEven(H, 2));

  const double overlapWidth = Mul(Div(W, totalH), P);
  show(ResultId::OverlapWidth, RoundHalfEven(overlapWidth, 2));

  const double pixelSize = Div(Mul(W, 1000), totalH);
  show(ResultId::PixelSize, RoundHalfEven(pixelSize, 1));

  const double imageWidth = Div(Add(W, Mul(Sub(N, 1), overlapWidth)), N);
  show(ResultId::ImageWidth, RoundHalfEven(imageWidth, 2));

  const double spacing = Sub(imageWidth, overlapWidth);
  show(ResultId::ProjectorSpacing, RoundHalfEven(spacing, 2));

  const double lensDistance = Mul(imageWidth, T);
  show(ResultId::LensDistance, RoundHalfEven(lensDistance, 2));

  // The depth builds on the lens distance as shown, so that the two labels add up.
  const double totalThrow = Add(shown(ResultId::LensDistance), kDepthBehindLens);
  show(ResultId::TotalThrowDepth, totalThrow);

  // Closing checks, on the values as shown: a run whose labels describe no possible
  // installation ends in the failure, after every result is on show.
  if (matrix.nativeWidth == 0) throw CalculationFailure{};
  if (!(shown(ResultId::UsefulWidth) > 0) || !(shown(ResultId::UsefulHeight) > 0)) {
    throw CalculationFailure{};
  }
  for (ResultId id : {ResultId::TotalHorizontalPixels, ResultId::TotalVerticalPixels,
                      ResultId::PixelSize, ResultId::ImageWidth, ResultId::LensDistance}) {
    if (!(shown(id) > 0)) throw CalculationFailure{};
  }
  // No overlap is no blend, which is a real installation; a negative one is not.
  for (ResultId id : {ResultId::OverlapWidth, ResultId::ProjectorSpacing}) {
    if (shown(id) < 0) throw CalculationFailure{};
  }
}

}  // namespace

void Calculate(const BlendInputs& inputs, Display& display, const RegionalFormat& format) {
  try {
    RunSteps(inputs, display, format);
  } catch (const CalculationFailure&) {
    throw;
  } catch (...) {
    // Whatever else goes wrong in a run (a display that cannot write, memory) ends it the same
    // way: the user sees one failure, never a crash.
    throw CalculationFailure{};
  }
}

}  // namespace blend
