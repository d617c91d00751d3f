#include "calc/blend.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <version>

#if !defined(__cpp_lib_to_chars)
#include <fmt/compile.h>
#include <fmt/format.h>
#endif

#if SOLVANIX_HAVE_FAST_FLOAT
#include <fast_float/fast_float.h>
#endif

// Results must be the same doubles on every target: an x87 build keeps 80-bit intermediates and
// rounds twice (calc/CMakeLists.txt asks for SSE2 on 32-bit x86).
#if !defined(FLT_EVAL_METHOD) || (FLT_EVAL_METHOD != 0 && FLT_EVAL_METHOD != 1)
#error "double arithmetic with excess precision: build the core with SSE2 (-msse2 -mfpmath=sse)"
#endif

namespace blend {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A hexadecimal digit string, leading zeros allowed, as the nearest double (+infinity beyond
// the range). The first 16 significant digits fit in 64 bits; the digits after them can only
// break a tie, which a set lowest bit does, as 64 bits reach well below a double's last place.
double HexDigitsToDouble(std::string_view hexDigits) {
  const std::size_t first = hexDigits.find_first_not_of('0');
  if (first == std::string_view::npos) return 0;
  hexDigits.remove_prefix(first);
  const std::size_t taken = std::min<std::size_t>(hexDigits.size(), 16);
  std::uint64_t leading = 0;
  for (std::size_t i = 0; i < taken; ++i) {
    leading = leading << 4 | static_cast<std::uint64_t>(HexDigitValue(hexDigits[i]));
  }
  if (hexDigits.find_first_not_of('0', taken) != std::string_view::npos) leading |= 1;
  const std::size_t dropped = hexDigits.size() - taken;
  constexpr std::size_t kBeyondRange = 256;  // 16^(16 + 256) is far past the largest double
  if (dropped > kBeyondRange) return std::numeric_limits<double>::infinity();
  return std::ldexp(static_cast<double>(leading), static_cast<int>(dropped * 4));
}

// Reads an unsigned decimal number, "digits[.digits][e[sign]digits]", correctly rounded on every
// target. Like std::from_chars, reports result_out_of_range for a number beyond the double range
// and for one with a non-zero digit that rounds to zero.
std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
#if SOLVANIX_HAVE_FAST_FLOAT
  const auto [end, error] = fast_float::from_chars(first, last, value);
  if (error != std::errc{}) return {end, error};
  const char* exponent = std::find_if(first, end, [](char c) { return c == 'e' || c == 'E'; });
  const bool nonZero = std::any_of(first, exponent, [](char c) { return c >= '1' && c <= '9'; });
  if (std::isinf(value) || (value == 0 && nonZero)) {
    return {end, std::errc::result_out_of_range};
  }
  return {end, error};
#else
  return std::from_chars(first, last, value);
#endif
}

// "&H" / "&O" numbers: non-negative whole numbers, read up to the first non-digit.
double ReadRadixNumber(std::string_view digits, bool octal) {
  std::string hex;
  if (!octal) {
    std::size_t n = 0;
    while (n < digits.size() && HexDigitValue(digits[n]) >= 0) ++n;
    hex.assign(digits.substr(0, n));
  } else {
    // Three bits an octal digit, regrouped by four into hexadecimal digits.
    std::string bits;
    for (char c : digits) {
      if (c < '0' || c > '7') break;
      const int d = c - '0';
      bits += static_cast<char>('0' + ((d >> 2) & 1));
      bits += static_cast<char>('0' + ((d >> 1) & 1));
      bits += static_cast<char>('0' + (d & 1));
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    for (std::size_t i = 0; i < bits.size(); i += 4) {
      const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                         (bits[i + 3] - '0');
      hex += "0123456789abcdef"[nibble];
    }
  }
  return HexDigitsToDouble(hex);
}

}  // namespace

double ReadInputNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  }

  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ReadRadixNumber(std::string_view(s).substr(2), false);
    if (s[1] == 'O' || s[1] == 'o') return ReadRadixNumber(std::string_view(s).substr(2), true);
  }

  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  std::string mantissa;  // digits and at most one '.', as ReadDecimal reads them
  int digitCount = 0;
  // Decimal magnitude of the leading significant digit, relative to the exponent.
  long long leadingPosition = 0;
  bool seenPoint = false, seenSignificant = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      ++digitCount;
      if (c != '0' && !seenSignificant) seenSignificant = true;
      if (!seenPoint && seenSignificant) ++leadingPosition;
      if (seenPoint && !seenSignificant) --leadingPosition;
      mantissa += c;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      mantissa += c;
    } else {
      break;
    }
  }
  if (digitCount == 0) return 0;
  if (!seenSignificant) return negative ? -0.0 : 0.0;

  // An exponent counts only when at least one digit follows its letter and sign.
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    if (j < s.size() && IsDigit(s[j])) {
      constexpr long long kSaturation = 1'000'000;  // far beyond any double's decimal exponent
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        if (exponent < kSaturation) exponent = exponent * 10 + (s[j] - '0');
      }
      if (negativeExponent) exponent = -exponent;
    }
  }

  mantissa += 'e';
  mantissa += std::to_string(exponent);
  double value = 0;
  auto [end, error] = ReadDecimal(mantissa.data(), mantissa.data() + mantissa.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = leadingPosition + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

// ---- Rounding to decimal places ------------------------------------------------------------
//
// A positive finite double is m / 2^s with m a whole number below 2^53, so the double times
// 10^digits is exactly m * 10^digits / 2^s, and m * 10^digits < 2^53 * 10^22 < 2^127. The rounding
// is decided on that exact product, held in two 64-bit halves (not every target has a 128-bit
// integer type) and multiplied in 32-bit pieces.

namespace {

constexpr int kMostDigits = 22;  // 10^22 is the largest power of ten that is a double
constexpr double kNoFraction = 4503599627370496.0;  // 2^52: every double this large is whole

constexpr std::array<double, kMostDigits + 1> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// high * 2^64 + low.
struct Wide {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
};

constexpr Wide MultiplyWide(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFF;
  const std::uint64_t lowLow = (a & kLow32) * (b & kLow32);
  const std::uint64_t lowHigh = (a & kLow32) * (b >> 32);
  const std::uint64_t highLow = (a >> 32) * (b & kLow32);
  const std::uint64_t highHigh = (a >> 32) * (b >> 32);
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kLow32) + (highLow & kLow32);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & kLow32)};
}

constexpr std::array<Wide, kMostDigits + 1> kWidePowersOfTen = [] {
  std::array<Wide, kMostDigits + 1> powers{};
  powers[0] = {0, 1};
  for (std::size_t i = 1; i < powers.size(); ++i) {
    const Wide low = MultiplyWide(powers[i - 1].low, 10);
    powers[i] = {powers[i - 1].high * 10 + low.high, low.low};
  }
  return powers;
}();

// x / 2^shift rounded down, for shift in [0, 128).
Wide ShiftRight(Wide x, int shift) {
  if (shift == 0) return x;
  if (shift >= 64) return {0, x.high >> (shift - 64)};
  return {x.high >> shift, (x.low >> shift) | (x.high << (64 - shift))};
}

// Whether x is not a multiple of 2^bits, for bits in [0, 128).
bool AnyBitBelow(Wide x, int bits) {
  if (bits == 0) return false;
  if (bits <= 64) return (x.low << (64 - bits)) != 0;
  return x.low != 0 || (x.high << (128 - bits)) != 0;
}

// n / 10^digits as the nearest double, for n of any size: read from its decimal text.
double WideOverPowerOfTen(Wide n, int digits) {
  constexpr std::uint64_t kChunk = 1'000'000'000;  // nine digits at a time
  std::array<std::uint64_t, 4> words = {n.high >> 32, n.high & 0xFFFFFFFF, n.low >> 32,
                                        n.low & 0xFFFFFFFF};
  std::array<char, 64> text{};
  char* first = text.data() + 48;  // 2^128 has 39 digits; the exponent goes after them
  bool more = true;
  while (more) {
    std::uint64_t rest = 0;
    for (std::uint64_t& word : words) {
      const std::uint64_t dividend = (rest << 32) | word;
      word = dividend / kChunk;
      rest = dividend % kChunk;
    }
    more = std::any_of(words.begin(), words.end(), [](std::uint64_t w) { return w != 0; });
    for (int i = 0; i < 9 && (more || rest != 0); ++i, rest /= 10) {
      *--first = static_cast<char>('0' + rest % 10);
    }
  }
  char* last = text.data() + 48;
  *last++ = 'e';
  *last++ = '-';
  if (digits >= 10) *last++ = static_cast<char>('0' + digits / 10);
  *last++ = static_cast<char>('0' + digits % 10);
  double value = 0;
  ReadDecimal(first, last, value);
  return value;
}

// The positive finite `magnitude`, below 2^52, rounded to `digits` places in [0, 22].
double RoundMagnitude(double magnitude, int digits) {
  const double scale = kPowersOfTen[static_cast<std::size_t>(digits)];

  // The common case. Below 2^52 every whole number and half is a double, and rounding the
  // product to the nearest double never moves it past a double: unless the rounded product is a
  // half itself, it lies on the same side of every half as the exact one, so both have the same
  // nearest whole number. That and the scale are doubles, so the quotient is correctly rounded.
  const double scaled = magnitude * scale;
  if (scaled < kNoFraction) {
    const double below = std::floor(scaled);
    const double fraction = scaled - below;  // exact: below is 0 or at least half of scaled
    if (fraction < 0.5) return below / scale;
    if (fraction > 0.5) return (below + 1) / scale;
  }

  // A rounded product ending in exactly one half, or a large one: decide on the exact product,
  // m * 10^digits / 2^shift.
  std::uint64_t bits = 0;
  static_assert(sizeof bits == sizeof magnitude);
  std::memcpy(&bits, &magnitude, sizeof bits);
  const auto biasedExponent = static_cast<int>(bits >> 52);
  std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
  int shift = 1074;  // subnormals: m / 2^1074
  if (biasedExponent != 0) {
    m |= std::uint64_t{1} << 52;
    shift = 1075 - biasedExponent;  // at least 1, as the magnitude is below 2^52
  }
  // The product is below 2^127, so from a shift of 128 on it is below one half.
  if (shift >= 128) return 0;
  const Wide power = kWidePowersOfTen[static_cast<std::size_t>(digits)];
  const Wide low = MultiplyWide(m, power.low);
  const Wide product = {low.high + m * power.high, low.low};

  const Wide halves = ShiftRight(product, shift - 1);  // in halves: the lowest bit is one half
  Wide n = ShiftRight(halves, 1);
  const bool half = (halves.low & 1) != 0;
  if (half && (AnyBitBelow(product, shift - 1) || (n.low & 1) != 0)) {
    ++n.low;
    if (n.low == 0) ++n.high;
  }
  constexpr std::uint64_t kExactWhole = std::uint64_t{1} << 53;  // every whole number up to it
  if (n.high == 0 && n.low <= kExactWhole) return static_cast<double>(n.low) / scale;
  return WideOverPowerOfTen(n, digits);
}

}  // namespace

double RoundHalfEven(double value, int digits) {
  if (!(std::fabs(value) < kNoFraction)) return value;
  if (digits < 0 || digits > kMostDigits) {
    if (digits > 0) return value;  // finer than any double distinguishes at this size
    digits = 0;
  }
  if (value == 0) return value;
  const double rounded = RoundMagnitude(std::fabs(value), digits);
  if (rounded == 0) return 0.0;  // +0 also for a negative value that rounds to zero
  return value < 0 ? -rounded : rounded;
}

// ---- End of rounding to decimal places -------------------------------------------------------

namespace {

// The decimal digits and exponent of a positive finite double rounded to 15 significant
// digits, trailing zeros dropped: digits "1234" and exponent 1 for 12.34.
struct SignificantDigits {
  std::array<char, 24> digits{};
  std::size_t count = 0;
  int exponent = 0;
};

// Reads what WriteDigits writes for a positive double, in fixed ("1234.5", "0.00012") or
// exponent form ("1.25e+22"): its significant digits, trailing zeros dropped, and the decimal
// exponent of the first.
void TakeDigits(const char* first, const char* last, SignificantDigits& out) {
  out.count = 0;
  int read = 0;          // digits read, leading zeros included
  int pointAfter = -1;   // digits read before the point
  int leadingZeros = 0;  // zeros before the first significant digit
  const char* p = first;
  for (; p != last && *p != 'e'; ++p) {
    if (*p == '.') {
      pointAfter = read;
      continue;
    }
    ++read;
    if (out.count == 0 && *p == '0') {
      ++leadingZeros;
    } else if (out.count < out.digits.size()) {
      out.digits[out.count++] = *p;
    }
  }
  if (pointAfter < 0) pointAfter = read;
  while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
  int exponent = 0;
  bool negative = false;
  if (p != last) ++p;  // 'e'
  if (p != last && (*p == '+' || *p == '-')) negative = *p++ == '-';
  for (; p != last; ++p) exponent = exponent * 10 + (*p - '0');
  out.exponent = (negative ? -exponent : exponent) + pointAfter - leadingZeros - 1;
}

// Most shown values are rounded to hundredths. When the double is the one nearest to n / 100
// (and small enough that n has at most 14 digits), n / 100 is also its 15-digit rounding, so the
// digits of n are the answer without any floating-point formatting.
bool TakeHundredths(double magnitude, SignificantDigits& out) {
  if (!(magnitude < 1e12)) return false;
  const auto n = static_cast<std::uint64_t>(std::llround(magnitude * 100));
  if (n == 0 || static_cast<double>(n) / 100 != magnitude) return false;
  std::array<char, 24> reversed{};
  std::size_t count = 0;
  for (std::uint64_t rest = n; rest != 0; rest /= 10) {
    reversed[count++] = static_cast<char>('0' + rest % 10);
  }
  for (std::size_t i = 0; i < count; ++i) out.digits[i] = reversed[count - 1 - i];
  out.count = count;
  out.exponent = static_cast<int>(count) - 3;
  return true;
}

// The double's shortest round-trip digits, or its exact value rounded to 15 significant digits,
// in fixed or exponent form. Both are exact whichever writes them: the C++ library's to_chars
// where it has one for doubles, being the quicker, and fmt elsewhere (WebAssembly).
template <std::size_t N>
const char* WriteDigits(double magnitude, std::array<char, N>& buffer, bool fifteen) {
#if defined(__cpp_lib_to_chars)
  const auto written = fifteen ? std::to_chars(buffer.data(), buffer.data() + N, magnitude,
                                               std::chars_format::scientific, 14)
                               : std::to_chars(buffer.data(), buffer.data() + N, magnitude,
                                               std::chars_format::scientific);
  return written.ptr;
#else
  return fifteen ? fmt::format_to_n(buffer.data(), N, FMT_COMPILE("{:.14e}"), magnitude).out
                 : fmt::format_to_n(buffer.data(), N, FMT_COMPILE("{}"), magnitude).out;
#endif
}

SignificantDigits ToFifteenDigits(double magnitude) {
  SignificantDigits out;
  if (TakeHundredths(magnitude, out)) {
    while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
    return out;
  }
  std::array<char, 48> buffer{};
  // Shortest round-trip digits first: when they are 15 or fewer they are exactly what rounding
  // the double's exact value to 15 digits gives, since a normal double's spacing is finer than
  // that. Subnormals carry fewer bits and always take the exact 15-digit rounding.
  TakeDigits(buffer.data(), WriteDigits(magnitude, buffer, false), out);
  if (out.count > 15 || magnitude < std::numeric_limits<double>::min()) {
    TakeDigits(buffer.data(), WriteDigits(magnitude, buffer, true), out);
  }
  return out;
}

const std::string& SeparatorOf(const RegionalFormat& format) {
  static const std::string kPoint = ".";
  return format.decimalSeparator.empty() ? kPoint : format.decimalSeparator;
}

}  // namespace

std::string FormatForDisplay(double value, const RegionalFormat& format) {
  if (!std::isfinite(value)) throw CalculationFailure{};
  if (value == 0) return "0";
  const std::string& separator = SeparatorOf(format);
  const SignificantDigits sd = ToFifteenDigits(std::fabs(value));
  const std::string_view digits(sd.digits.data(), sd.count);
  const int exponent = sd.exponent;

  std::string text;
  text.reserve(24 + separator.size());
  if (value < 0) text += '-';
  if (exponent < -4 || exponent >= 15) {
    text += digits[0];
    if (digits.size() > 1) {
      text += separator;
      text += digits.substr(1);
    }
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude >= 100) text += static_cast<char>('0' + magnitude / 100);
    text += static_cast<char>('0' + magnitude / 10 % 10);
    text += static_cast<char>('0' + magnitude % 10);
  } else if (exponent < 0) {
    text += '0';
    text += separator;
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  } else {
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
      text += digits;
      text.append(wholeDigits - digits.size(), '0');
    } else {
      text += digits.substr(0, wholeDigits);
      text += separator;
      text += digits.substr(wholeDigits);
    }
  }
  return text;
}

double ReadDisplayedNumber(std::string_view text, const RegionalFormat& format) {
  const std::string& separator = SeparatorOf(format);
  // The same number with '.' as ReadDecimal reads it. Longer texts are never displayed.
  std::array<char, 64> number{};
  std::size_t length = 0;
  std::size_t i = 0;
  auto take = [&](char c) {
    if (length == number.size()) throw CalculationFailure{};
    number[length++] = c;
  };
  auto digitRun = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) take(text[i++]);
    return i > start;
  };

  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  if (!digitRun()) throw CalculationFailure{};
  if (text.substr(i, separator.size()) == separator) {
    i += separator.size();
    take('.');
    if (!digitRun()) throw CalculationFailure{};
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    take('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) take(text[i++]);
    if (!digitRun()) throw CalculationFailure{};
  }
  if (i != text.size()) throw CalculationFailure{};

  double value = 0;
  auto [end, error] = ReadDecimal(number.data(), number.data() + length, value);
  if (error != std::errc{} || end != number.data() + length) throw CalculationFailure{};
  return negative ? -value : value;
}

}  // namespace blend
