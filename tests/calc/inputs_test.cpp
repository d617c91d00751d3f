#include <gtest/gtest.h>

#include <string>

#include "calc/blend.h"
#include "tests/support/named_case.h"

namespace {

using solvanix_test::CaseName;
using solvanix_test::NamedCase;

using blend::BlendInputs;
using blend::InputTexts;
using blend::LookUpMatrix;
using blend::MatrixSpec;
using blend::ReadBlendInputs;

TEST(ReadBlendInputs, ConvertsEachTextInItsField) {
  const BlendInputs in = ReadBlendInputs({"6", "2.25", "2", "SXGA+", "128", "1.8"});
  EXPECT_EQ(in.screenWidth, 6);
  EXPECT_EQ(in.screenHeight, 2.25);
  EXPECT_EQ(in.projectorCount, 2);
  EXPECT_EQ(in.matrixKey, "S");
  EXPECT_EQ(in.overlapPixels, 128);
  EXPECT_EQ(in.throwRatio, 1.8);
}

TEST(ReadBlendInputs, EmptyTextsReadAsZeroAndNoKey) {
  const BlendInputs in = ReadBlendInputs(InputTexts{});
  EXPECT_EQ(in.screenWidth, 0);
  EXPECT_EQ(in.screenHeight, 0);
  EXPECT_EQ(in.projectorCount, 0);
  EXPECT_EQ(in.matrixKey, "");
  EXPECT_EQ(in.overlapPixels, 0);
  EXPECT_EQ(in.throwRatio, 0);
}

TEST(ReadBlendInputs, CommaStopsTheWidth) {
  EXPECT_EQ(ReadBlendInputs({"2,5", "", "", "", "", ""}).screenWidth, 2);
  EXPECT_EQ(ReadBlendInputs({"2.5", "", "", "", "", ""}).screenWidth, 2.5);
}

struct KeyCase : NamedCase {
  std::string matrixText;
  std::string key;
};

class MatrixKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(MatrixKeyTest, KeyIsTheFirstCharacter) {
  InputTexts texts;
  texts.matrix = GetParam().matrixText;
  EXPECT_EQ(ReadBlendInputs(texts).matrixKey, GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    MatrixKey, MatrixKeyTest,
    testing::Values(KeyCase{{"Ascii"}, "XGA", "X"}, KeyCase{{"Empty"}, "", ""},
                    KeyCase{{"LeadingBlankKept"}, " HD", " "},
                    KeyCase{{"TwoByteCharacter"},
                            "\xC3\x89"
                            "cran",
                            "\xC3\x89"},
                    KeyCase{{"ThreeByteCharacter"},
                            "\xE2\x82\xAC"
                            "5",
                            "\xE2\x82\xAC"},
                    KeyCase{{"FourByteCharacter"}, "\xF0\x9F\x8E\xA5!", "\xF0\x9F\x8E\xA5"},
                    KeyCase{{"TruncatedSequence"}, "\xE2\x82", "\xE2"},
                    KeyCase{{"StrayContinuation"}, "\x80X", "\x80"}),
    CaseName{});

struct MatrixCase : NamedCase {
  std::string matrixText;
  double width, height;
  const char* caption;
};

class LookUpMatrixTest : public testing::TestWithParam<MatrixCase> {};

TEST_P(LookUpMatrixTest, SelectsTheRowByFirstLetter) {
  const MatrixCase& c = GetParam();
  InputTexts texts;
  texts.matrix = c.matrixText;
  const MatrixSpec spec = LookUpMatrix(ReadBlendInputs(texts).matrixKey);
  EXPECT_EQ(spec.nativeWidth, c.width);
  EXPECT_EQ(spec.nativeHeight, c.height);
  EXPECT_EQ(spec.caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    MatrixTable, LookUpMatrixTest,
    testing::Values(MatrixCase{{"Xga"}, "XGA", 1024, 768, "(1024x768)"},
                    MatrixCase{{"SxgaPlus"}, "SXGA+", 1400, 1050, "(1400x1050)"},
                    MatrixCase{{"Hd"}, "HD", 1920, 1080, "(1920x1080)"},
                    MatrixCase{{"AnyWordOnS"}, "Sample", 1400, 1050, "(1400x1050)"},
                    MatrixCase{{"LowerCase"}, "xga", 0, 0, ""}, MatrixCase{{"Empty"}, "", 0, 0, ""},
                    MatrixCase{{"OtherLetter"}, "WXGA", 0, 0, ""}),
    CaseName{});

TEST(MatrixTable, WholeTextIsNotAKey) {
  EXPECT_EQ(LookUpMatrix("XGA").nativeWidth, 0);
  EXPECT_EQ(LookUpMatrix("X").key, "X");
}

}  // namespace
