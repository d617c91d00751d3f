#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "calc/blend.h"
#include "tests/support/named_case.h"

namespace {

using solvanix_test::CaseName;
using solvanix_test::NamedCase;

using blend::CalculationFailure;
using blend::FormatForDisplay;
using blend::ReadDisplayedNumber;
using blend::ReadInputNumber;
using blend::RegionalFormat;
using blend::RoundHalfEven;

const RegionalFormat kFrench{","};
constexpr double kInf = std::numeric_limits<double>::infinity();

struct InputCase : NamedCase {
  std::string text;
  double expected;
};

class ReadInputNumberTest : public testing::TestWithParam<InputCase> {};

TEST_P(ReadInputNumberTest, ReadsTheLeadingNumber) {
  const InputCase& c = GetParam();
  const double value = ReadInputNumber(c.text);
  EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
  EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    InputRule, ReadInputNumberTest,
    testing::Values(
        InputCase{{"Empty"}, "", 0}, InputCase{{"Letters"}, "abc", 0},
        InputCase{{"Decimal"}, "2.5", 2.5}, InputCase{{"CommaEndsTheNumber"}, "2,5", 2},
        InputCase{{"BlanksAnywhere"}, " 1 2 ", 12}, InputCase{{"TabsAndLineFeeds"}, "1\t2\n3", 123},
        InputCase{{"CarriageReturnIsNotABlank"}, "1\r2", 1}, InputCase{{"Negative"}, "-3", -3},
        InputCase{{"BlankAfterSign"}, "- 3", -3}, InputCase{{"PlusSign"}, "+7", 7},
        InputCase{{"LeadingPoint"}, ".5", 0.5}, InputCase{{"TrailingPoint"}, "5.", 5},
        InputCase{{"SecondPointStops"}, "2.5.3", 2.5}, InputCase{{"LowerExponent"}, "1e3", 1000},
        InputCase{{"UpperExponent"}, "1E3", 1000}, InputCase{{"DExponent"}, "1D2", 100},
        InputCase{{"LowerDExponent"}, "15d-1", 1.5},
        InputCase{{"SignedExponent"}, "1.5e-3", 0.0015},
        InputCase{{"ExponentWithoutDigits"}, "1e", 1}, InputCase{{"ExponentSignOnly"}, "1e+", 1},
        InputCase{{"UnitSuffix"}, "12m", 12}, InputCase{{"DoubleSign"}, "--1", 0},
        InputCase{{"PointOnly"}, ".", 0}, InputCase{{"SignOnly"}, "+", 0},
        InputCase{{"NegativeZero"}, "-0", -0.0}, InputCase{{"ZeroHugeExponent"}, "0e99999", 0},
        InputCase{{"NearestDouble"}, "0.1", 0.1}, InputCase{{"Overflow"}, "1E999", kInf},
        InputCase{{"NegativeOverflow"}, "-1E999", -kInf}, InputCase{{"Underflow"}, "1E-999", 0},
        InputCase{{"NegativeUnderflow"}, "-1E-999", -0.0},
        InputCase{{"SmallFractionOverflows"}, "0.0001e313", kInf},
        InputCase{{"ManyZerosUnderflow"}, "0.00000001e-320", 0},
        InputCase{{"Subnormal"}, "5e-324", 4.9406564584124654e-324},
        InputCase{{"HugeExponentDigits"}, "1e0000000000000000000002", 100},
        InputCase{{"SaturatedExponent"}, "1e99999999999999999999", kInf},
        InputCase{{"Hex"}, "&H10", 16}, InputCase{{"HexLowerCase"}, "&hff", 255},
        InputCase{{"HexNotNegative"}, "&HFFFF", 65535},
        InputCase{{"HexStopsAtNonDigit"}, "&H1G", 1}, InputCase{{"HexWithoutDigits"}, "&H", 0},
        InputCase{{"HexBlanks"}, "&H 1 0", 16},
        InputCase{{"HexBeyond64Bits"}, "&HFFFFFFFFFFFFFFFFF", 295147905179352825856.0},
        InputCase{{"HexTieToEven"}, "&H20000000000001", 9007199254740992.0},
        InputCase{{"HexTieBeyond16Digits"}, "&H100000000000008000", 295147905179352825856.0},
        InputCase{{"HexAboveTieBeyond16Digits"}, "&H100000000000008001", 295147905179352891392.0},
        InputCase{{"Octal"}, "&O17", 15}, InputCase{{"OctalLowerCase"}, "&o777", 511},
        InputCase{{"OctalStopsAtEight"}, "&O78", 7}, InputCase{{"OctalWithoutDigits"}, "&O8", 0},
        InputCase{{"OctalLarge"}, "&O1000000000000000000000", 9223372036854775808.0},
        InputCase{{"AmpersandAlone"}, "&", 0}, InputCase{{"SignBeforeHex"}, "-&H10", 0},
        InputCase{{"NonAsciiStops"}, "3\xC3\xA9", 3}),
    CaseName{});

TEST(InputRule, VeryLongHexAndOctalReadAsInfinity) {
  EXPECT_EQ(ReadInputNumber("&H" + std::string(300, 'F')), kInf);
  EXPECT_EQ(ReadInputNumber("&O" + std::string(400, '7')), kInf);
}

TEST(InputRule, LongMantissaIsCorrectlyRounded) {
  EXPECT_EQ(ReadInputNumber("0." + std::string(400, '0') + "1e401"), 1.0);
  EXPECT_EQ(ReadInputNumber("1" + std::string(400, '0') + "e-400"), 1.0);
}

// 15-digit texts whose nearest double a reader rounding twice (an x87 build, as 32-bit mingw-w64's
// std::from_chars is) misses by one unit in the last place.
TEST(InputRule, HardTextsReadAsTheNearestDouble) {
  const struct {
    const char* text;
    double nearest;
  } kHard[] = {{"3.09242640984582E+31", 0x1.8651afb83f319p+104},
               {"4.86176412895947E+32", 0x1.7f868b70731c5p+108},
               {"8.93831689185627E+21", 0x1.e48c10afe9269p+72},
               {"4.10465620629094E+35", 0x1.3c3611fcbfbb1p+118},
               {"4.79704409114836E+33", 0x1.d9066adb851c7p+111}};
  const auto bits = [](double value) {
    std::ostringstream text;
    text << std::hexfloat << value;
    return text.str();
  };
  for (const auto& c : kHard) {
    EXPECT_EQ(bits(ReadInputNumber(c.text)), bits(c.nearest)) << c.text;
    EXPECT_EQ(bits(ReadDisplayedNumber(c.text)), bits(c.nearest)) << c.text;
  }
}

struct RoundCase : NamedCase {
  double value;
  int digits;
  double expected;
};

class RoundHalfEvenTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsHalvesToEven) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(RoundHalfEven(c.value, c.digits), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    RoundingRule, RoundHalfEvenTest,
    testing::Values(
        RoundCase{{"TwoAndAHalf"}, 2.5, 0, 2}, RoundCase{{"ThreeAndAHalf"}, 3.5, 0, 4},
        RoundCase{{"NegativeHalf"}, -16.5, 0, -16}, RoundCase{{"Large"}, 2031.5, 0, 2032},
        RoundCase{{"LargeEven"}, 1142.5, 0, 1142}, RoundCase{{"TwoPlaces"}, 1.125, 2, 1.12},
        RoundCase{{"OnePlace"}, 46.875, 1, 46.9}, RoundCase{{"BelowHalf"}, 2.4999, 0, 2},
        RoundCase{{"AboveHalf"}, 2.5001, 0, 3}, RoundCase{{"Ratio"}, 16.0 / 9.0, 2, 1.78},
        RoundCase{{"ToZero"}, 0.004, 2, 0}, RoundCase{{"NegativeToZero"}, -0.4, 0, 0},
        RoundCase{{"BinaryHalfAfterScaling"}, 0.125, 2, 0.12},
        RoundCase{{"WholeStaysWhole"}, 1539, 0, 1539},
        RoundCase{{"TwoPower52Unchanged"}, 4503599627370496.0, 2, 4503599627370496.0},
        RoundCase{{"MaxUnchanged"},
                  std::numeric_limits<double>::max(),
                  2,
                  std::numeric_limits<double>::max()},
        RoundCase{{"JustBelow2Power52"}, 4503599627370495.5, 0, 4503599627370496.0},
        RoundCase{{"NegativeDigitsRoundToWhole"}, 2.5, -1, 2},
        RoundCase{{"InfinityUnchanged"}, kInf, 2, kInf},
        // Decided on the double's exact value: scaling in double arithmetic first tips these the
        // other way.
        RoundCase{{"ExactHalfTiesToEvenAt8e14"}, 833333333333333.375, 2, 833333333333333.38},
        RoundCase{{"ExactHalfTiesToEvenAt7e14"}, 775915771017946.625, 2, 775915771017946.62},
        RoundCase{{"JustAboveHalfRoundsUp"}, 0.005, 2, 0.01},
        RoundCase{{"JustAboveHalfInThousands"}, 2241.025, 2, 2241.03},
        RoundCase{{"JustBelowHalfRoundsDown"}, 229.075, 2, 229.07},
        RoundCase{{"NegativeJustBelowHalf"}, -229.075, 2, -229.07},
        RoundCase{{"JustBelowHalfInMillions"}, 1745224.355, 2, 1745224.35},
        RoundCase{{"SixteenthRoundsUpAt2e14"}, 192895568597132.0625, 1, 192895568597132.1},
        RoundCase{{"RoundsBackToItselfAt5e14"}, 470941370064690.69, 2, 470941370064690.69},
        RoundCase{{"TwentyPlacesKeepTheValue"}, 1893604465.0242891, 20, 1893604465.0242891}),
    CaseName{});

TEST(RoundingRule, NegativeHalfToZeroShowsZero) {
  EXPECT_EQ(FormatForDisplay(RoundHalfEven(-0.5, 0)), "0");
}

TEST(RoundingRule, NeverOverflowsOrLosesFiniteness) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t bits = random();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    for (int digits : {0, 1, 2}) {
      const double rounded = RoundHalfEven(value, digits);
      ASSERT_TRUE(std::isfinite(rounded)) << value;
      ASSERT_LE(std::fabs(rounded - value),
                0.5000001 * std::pow(10.0, -digits) + std::fabs(value) * 1e-15)
          << value;
    }
  }
}

// The rounding rule worked out on decimal digit strings: the double's exact value, rounded by
// hand and read back by the C library's correctly rounded strtod. Slow and plainly right.
std::string ExactDigits(double magnitude, int& fractionDigits) {
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  std::string digits = std::to_string(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
  std::reverse(digits.begin(), digits.end());  // units first while multiplying
  const auto multiplyBy = [&digits](int factor) {
    int carry = 0;
    for (char& d : digits) {
      const int product = (d - '0') * factor + carry;
      d = static_cast<char>('0' + product % 10);
      carry = product / 10;
    }
    if (carry != 0) digits += static_cast<char>('0' + carry);
  };
  fractionDigits = 0;
  for (exponent -= 53; exponent > 0; --exponent) multiplyBy(2);
  for (; exponent < 0; ++exponent, ++fractionDigits) multiplyBy(5);  // m / 2^k = m 5^k / 10^k
  std::reverse(digits.begin(), digits.end());
  return digits;
}

double ExactRoundHalfEven(double value, int digits) {
  if (value == 0) return value;
  int fractionDigits = 0;
  std::string kept = ExactDigits(std::fabs(value), fractionDigits);
  if (fractionDigits < digits) {
    kept.append(static_cast<std::size_t>(digits - fractionDigits), '0');
    fractionDigits = digits;
  }
  // At least one whole digit, a zero, which also takes the carry of rounding up.
  const int leadingZeros = std::max(fractionDigits - static_cast<int>(kept.size()), 0) + 1;
  kept.insert(0, static_cast<std::size_t>(leadingZeros), '0');
  const std::string dropped = kept.substr(kept.size() - (fractionDigits - digits));
  kept.resize(kept.size() - dropped.size());
  const bool tie = !dropped.empty() && dropped[0] == '5' &&
                   dropped.find_first_not_of('0', 1) == std::string::npos;
  if (!dropped.empty() && dropped[0] >= '5' && (!tie || (kept.back() - '0') % 2 == 1)) {
    std::size_t i = kept.size() - 1;
    for (; kept[i] == '9'; --i) kept[i] = '0';
    ++kept[i];
  }
  const double rounded = std::strtod((kept + "e-" + std::to_string(digits)).c_str(), nullptr);
  return value < 0 ? -rounded : rounded;
}

// RoundHalfEven against the exact rounding, naming the value and both results in full.
testing::AssertionResult RoundsExactly(double value, int digits) {
  const double rounded = RoundHalfEven(value, digits);
  const double exact = ExactRoundHalfEven(value, digits);
  if (rounded == exact) return testing::AssertionSuccess();
  char text[160];
  std::snprintf(text, sizeof text, "%.17g (%a) to %d places gives %.17g (%a), exactly %.17g (%a)",
                value, value, digits, rounded, rounded, exact, exact);
  return testing::AssertionFailure() << text;
}

// Halves at the kept place and the doubles either side of them. A double t / 2^(digits + 1)
// with t odd is an exact half: t is taken of every length, and t + 2 with it, whose whole part
// has the other parity. The double nearest a decimal half lies just either side of one: taken in
// every decade from 1 to 1e17.
TEST(RoundingRule, HalvesAgreeWithExactDecimalRounding) {
  std::mt19937_64 random(1200);
  int compared = 0;
  const auto around = [&compared](double half, int digits) {
    for (double value : {half, std::nextafter(half, 0.0), std::nextafter(half, kInf)}) {
      for (double signedValue : {value, -value}) {
        testing::AssertionResult result = RoundsExactly(signedValue, digits);
        if (!result) return result;
        ++compared;
      }
    }
    return testing::AssertionSuccess();
  };
  for (int digits : {0, 1, 2, 3, 6, 15, 22}) {
    for (int length = 1; length <= 52; ++length) {
      const std::uint64_t t = (random() >> (64 - length)) | (std::uint64_t{1} << (length - 1)) | 1;
      ASSERT_TRUE(around(std::ldexp(static_cast<double>(t), -(digits + 1)), digits));
      ASSERT_TRUE(around(std::ldexp(static_cast<double>(t + 2), -(digits + 1)), digits));
    }
    for (int decade = 0; decade < 17; ++decade) {
      std::uniform_real_distribution<double> inDecade(std::pow(10.0, decade),
                                                      std::pow(10.0, decade + 1));
      for (int sample = 0; sample < 8; ++sample) {
        char decimalHalf[64];
        std::snprintf(decimalHalf, sizeof decimalHalf, "%.0f5e-%d",
                      std::floor(inDecade(random) * std::pow(10.0, digits)), digits + 1);
        ASSERT_TRUE(around(std::strtod(decimalHalf, nullptr), digits));
      }
    }
  }
  EXPECT_EQ(compared, 7 * (52 * 2 + 17 * 8) * 3 * 2);
}

// Random doubles of every size, most of them from 2^-80 to 2^60 where the rounding has work to
// do, to 0 to 22 places.
TEST(RoundingRule, RandomValuesAgreeWithExactDecimalRounding) {
  std::mt19937_64 random(52);
  std::uniform_int_distribution<int> binade(-80, 60);
  std::uniform_int_distribution<int> places(0, 22);
  std::uniform_real_distribution<double> significand(1, 2);
  for (int i = 0; i < 4000; ++i) {
    double value = std::ldexp(significand(random), binade(random));
    if (i % 50 == 0) {
      const std::uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
      if (!std::isfinite(value)) continue;
    }
    if (i % 3 == 0) value = -value;
    const int digits = i % 2 == 0 ? i / 2 % 4 : places(random);
    ASSERT_TRUE(RoundsExactly(value, digits));
  }
}

struct FormatCase : NamedCase {
  double value;
  const char* point;
  const char* comma;
};

class FormatForDisplayTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatForDisplayTest, WritesFifteenSignificantDigits) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatForDisplay(c.value), c.point);
  EXPECT_EQ(FormatForDisplay(c.value, kFrench), c.comma);
}

INSTANTIATE_TEST_SUITE_P(
    DisplayRule, FormatForDisplayTest,
    testing::Values(
        FormatCase{{"Zero"}, 0, "0", "0"}, FormatCase{{"NegativeZero"}, -0.0, "0", "0"},
        FormatCase{{"Whole"}, 2032, "2032", "2032"}, FormatCase{{"Ratio"}, 1.78, "1.78", "1,78"},
        FormatCase{{"Negative"}, -1.5, "-1.5", "-1,5"},
        FormatCase{{"Third"}, 1.0 / 3, "0.333333333333333", "0,333333333333333"},
        FormatCase{{"TwoThirds"}, 2.0 / 3, "0.666666666666667", "0,666666666666667"},
        FormatCase{{"SumJustBelow"}, 3.13 + 1.9, "5.03", "5,03"},
        FormatCase{{"FifteenDigitsPlain"}, 123456789012345, "123456789012345", "123456789012345"},
        FormatCase{{"SixteenDigitsExponent"}, 1e15, "1E+15", "1E+15"},
        FormatCase{{"RoundsUpToExponent"}, 999999999999999.5, "1E+15", "1E+15"},
        FormatCase{{"SmallPlain"}, 0.0001, "0.0001", "0,0001"},
        FormatCase{{"SmallExponent"}, 0.00001, "1E-05", "1E-05"},
        FormatCase{{"ExponentWithFraction"}, 1.5e-7, "1.5E-07", "1,5E-07"},
        FormatCase{{"ThreeDigitExponent"}, 1e100, "1E+100", "1E+100"},
        FormatCase{{"Largest"},
                   std::numeric_limits<double>::max(),
                   "1.79769313486232E+308",
                   "1,79769313486232E+308"},
        FormatCase{{"Smallest"},
                   4.9406564584124654e-324,
                   "4.94065645841247E-324",
                   "4,94065645841247E-324"},
        FormatCase{{"TenthsSum"}, 0.1 + 0.2, "0.3", "0,3"},
        FormatCase{{"SeventeenDigitDouble"}, 0.30000000000000004, "0.3", "0,3"},
        FormatCase{{"NegativeExponentForm"}, -2.5e20, "-2.5E+20", "-2,5E+20"}),
    CaseName{});

TEST(DisplayRule, NonFiniteValuesAreFailures) {
  EXPECT_THROW(FormatForDisplay(kInf), CalculationFailure);
  EXPECT_THROW(FormatForDisplay(-kInf), CalculationFailure);
  EXPECT_THROW(FormatForDisplay(std::nan("")), CalculationFailure);
}

TEST(DisplayRule, AnySeparatorTextIsUsed) {
  EXPECT_EQ(FormatForDisplay(1.5, RegionalFormat{"\xD9\xAB"}),
            "1\xD9\xAB"
            "5");
  EXPECT_EQ(FormatForDisplay(1.5, RegionalFormat{""}), "1.5");
}

// The display rule must agree with the C library's "%.15G" (read in the "C" locale) on every
// finite double, and read back to exactly the value that text denotes.
TEST(DisplayRule, AgreesWithPrintfAndReadsBack) {
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> everyday(-1e6, 1e6);
  for (int i = 0; i < 200000; ++i) {
    double value = 0;
    if (i % 2 == 0) {
      const std::uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
      if (!std::isfinite(value)) continue;
    } else {
      value = RoundHalfEven(everyday(random), static_cast<int>(i % 3));
    }
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.15G", value);
    std::string printfText = expected;
    if (printfText == "-0") printfText = "0";
    ASSERT_EQ(FormatForDisplay(value), printfText) << std::hexfloat << value;
    ASSERT_EQ(ReadDisplayedNumber(printfText), std::strtod(expected, nullptr)) << expected;
  }
}

struct ReadBackCase : NamedCase {
  std::string text;
  double expected;
};

class ReadDisplayedNumberTest : public testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadDisplayedNumberTest, ReadsFrenchDisplayText) {
  EXPECT_EQ(ReadDisplayedNumber(GetParam().text, kFrench), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ReadBackRule, ReadDisplayedNumberTest,
    testing::Values(ReadBackCase{{"Fraction"}, "12,35", 12.35},
                    ReadBackCase{{"Whole"}, "2032", 2032}, ReadBackCase{{"Negative"}, "-128", -128},
                    ReadBackCase{{"Zero"}, "0", 0}, ReadBackCase{{"Exponent"}, "1E+15", 1e15},
                    ReadBackCase{{"NegativeExponent"}, "1,5E-07", 1.5e-7},
                    ReadBackCase{{"Smallest"}, "4,94065645841247E-324", 4.94065645841247e-324}),
    CaseName{});

class ReadDisplayedNumberRejects : public testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadDisplayedNumberRejects, NonNumberIsFailure) {
  EXPECT_THROW(ReadDisplayedNumber(GetParam().text, kFrench), CalculationFailure)
      << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    ReadBackRule, ReadDisplayedNumberRejects,
    testing::Values(
        ReadBackCase{{"Empty"}, "", 0}, ReadBackCase{{"Space"}, " ", 0},
        ReadBackCase{{"LeadingSpace"}, " 1", 0}, ReadBackCase{{"TrailingSpace"}, "1 ", 0},
        ReadBackCase{{"Trailing"}, "12m", 0}, ReadBackCase{{"WrongSeparator"}, "1.5", 0},
        ReadBackCase{{"Infinity"}, "inf", 0}, ReadBackCase{{"NotANumber"}, "nan", 0},
        ReadBackCase{{"Sign"}, "-", 0}, ReadBackCase{{"PlusSign"}, "+1", 0},
        ReadBackCase{{"BareSeparator"}, "1,", 0}, ReadBackCase{{"LeadingSeparator"}, ",5", 0},
        ReadBackCase{{"ExponentWithoutDigits"}, "1E+", 0},
        ReadBackCase{{"BeyondRange"}, "1E+999", 0}, ReadBackCase{{"BelowRange"}, "1E-999", 0},
        ReadBackCase{{"Caption"}, "(1024x768)", 0},
        // How the largest double shows; the text denotes a number past the range.
        ReadBackCase{{"LargestShownRoundsBeyondRange"}, "1,79769313486232E+308", 0},
        ReadBackCase{{"Hex"}, "&H10", 0}),
    CaseName{});

TEST(ReadBackRule, PointFormatRejectsComma) {
  EXPECT_THROW(ReadDisplayedNumber("1,5"), CalculationFailure);
  EXPECT_EQ(ReadDisplayedNumber("1.5"), 1.5);
}

// Qt sets the C library's locale from the environment; under French settings strtod and printf
// switch to a decimal comma, and the number rules must not follow.
TEST(FrenchCLocale, NumberRulesIgnoreTheCLibraryLocale) {
#ifdef _WIN32
  const char* const french = "French_France.1252";  // the Windows C runtime's name
#else
  const char* const french = "fr_FR.UTF-8";  // Debian: locales-all
#endif
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, french), nullptr) << french << " is not installed";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 2.5);
  EXPECT_STREQ(probe, "2,5") << "the French locale is not in force";

  EXPECT_EQ(ReadInputNumber("2.5"), 2.5);
  EXPECT_EQ(ReadInputNumber("2,5"), 2);
  EXPECT_EQ(FormatForDisplay(2.5), "2.5");
  EXPECT_EQ(FormatForDisplay(RoundHalfEven(16.0 / 9.0, 2), kFrench), "1,78");
  EXPECT_EQ(ReadDisplayedNumber("12.35"), 12.35);
  EXPECT_EQ(ReadDisplayedNumber("12,35", kFrench), 12.35);
  EXPECT_THROW(ReadDisplayedNumber("12,35"), CalculationFailure);
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
