#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/blend.h"
#include "tests/support/named_case.h"
#include "tests/support/worked_examples.h"

namespace {

using solvanix_test::CaseName;
using solvanix_test::NamedCase;

using blend::BlendInputs;
using blend::CalculationFailure;
using blend::InputTexts;
using blend::RegionalFormat;
using blend::ResultId;

constexpr const char* kWarning = "<warning>";
const RegionalFormat kFrench{","};

// Keeps what a window would show, and the order in which it arrived.
class RecordingDisplay : public blend::Display {
 public:
  void Show(ResultId id, const std::string& text) override {
    const int index = static_cast<int>(id);
    EXPECT_EQ(index, nextIndex_) << "results must arrive once each, in order";
    nextIndex_ = index + 1;
    shown_[static_cast<std::size_t>(index)] = text;
    events.push_back(text);
  }
  void WarnTallerThanWide() override {
    EXPECT_EQ(nextIndex_, 1) << "the warning belongs right after the matrix caption";
    events.emplace_back(kWarning);
  }
  std::string ReadShown(ResultId id) const override { return shown_[static_cast<std::size_t>(id)]; }

  std::vector<std::string> events;

 private:
  int nextIndex_ = 0;
  std::array<std::string, blend::kResultCount> shown_;
};

struct RunRecord {
  std::vector<std::string> events;
  bool failed = false;
};

RunRecord Calculate(const InputTexts& texts, const RegionalFormat& format = kFrench) {
  RecordingDisplay display;
  RunRecord run;
  try {
    blend::Calculate(blend::ReadBlendInputs(texts), display, format);
  } catch (const CalculationFailure&) {
    run.failed = true;
  }
  run.events = display.events;
  return run;
}

struct RunCase : NamedCase {
  InputTexts texts;
  std::vector<std::string> events;
  bool fails;
};

class CalculateTest : public testing::TestWithParam<RunCase> {};

TEST_P(CalculateTest, ShowsTheResultsInOrderThenEnds) {
  const RunCase& c = GetParam();
  const RunRecord run = Calculate(c.texts);
  EXPECT_EQ(run.events, c.events);
  EXPECT_EQ(run.failed, c.fails);
}

RunCase FromExample(const solvanix_test::WorkedExample& example) {
  const auto& in = example.inputs;
  return {{example.name},
          {in[0], in[1], in[2], in[3], in[4], in[5]},
          {example.shown.begin(), example.shown.end()},
          false};
}

std::vector<RunCase> WorkedExamples() {
  std::vector<RunCase> cases;
  cases.reserve(solvanix_test::kWorkedExamples.size());
  for (const auto& example : solvanix_test::kWorkedExamples) cases.push_back(FromExample(example));
  return cases;
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CalculateTest, testing::ValuesIn(WorkedExamples()),
                         CaseName{});

INSTANTIATE_TEST_SUITE_P(Warning, CalculateTest,
                         testing::Values(RunCase{{"TallerThanWideWarnsThenGoesOn"},
                                                 {"2", "6", "2", "XGA", "128", "1.8"},
                                                 {"(1024x768)", kWarning, "0,33", "12", "1920",
                                                  "5760", "2", "6", "0,13", "1", "1,07", "0,93",
                                                  "1,92", "3,82"},
                                                 false},
                                         RunCase{{"EqualSidesDoNotWarn"},
                                                 {"3", "3", "2", "XGA", "128", "1.8"},
                                                 {"(1024x768)", "1", "9", "1920", "1920", "3", "3",
                                                  "0,2", "1,6", "1,6", "1,4", "2,88", "4,78"},
                                                 false}),
                         CaseName{});

INSTANTIATE_TEST_SUITE_P(
    FailurePoints, CalculateTest,
    testing::Values(RunCase{{"EmptyStartFailsAtTheRatio"}, {}, {""}, true},
                    RunCase{{"ZeroHeightFailsAtTheRatio"},
                            {"6", "", "2", "XGA", "128", "1.8"},
                            {"(1024x768)"},
                            true},
                    RunCase{{"ZeroWidthFailsAtTheVerticalTotal"},
                            {"0", "2", "2", "XGA", "128", "1.8"},
                            {"(1024x768)", kWarning, "0", "0", "1920"},
                            true},
                    RunCase{{"ZeroTotalFailsAtTheAspect"},
                            {"6", "2", "2", "XGA", "2048", "1.8"},
                            {"(1024x768)", "3", "12", "0", "0"},
                            true},
                    RunCase{{"NoProjectorsFailsAtTheImageWidth"},
                            {"6", "2", "", "XGA", "128", "1.8"},
                            {"(1024x768)", "3", "12", "128", "42", "6", "2", "6", "46,9"},
                            true},
                    RunCase{{"UnknownMatrixFailsAfterEveryResult"},
                            {"6", "2", "2", "xga", "128", "1.8"},
                            {"", "3", "12", "-128", "-43", "6", "2", "-6", "-46,9", "0", "6", "0",
                             "1,9"},
                            true},
                    RunCase{{"WidthRoundingToZeroFailsAfterEveryResult"},
                            {"0.004", "2", "2", "XGA", "128", "1.8"},
                            {"(1024x768)", kWarning, "0", "0,01", "1920", "960000", "0", "2", "0",
                             "0", "0", "0", "0", "1,9"},
                            true},
                    RunCase{{"SurfaceOverflowFails"},
                            {"1E300", "1E300", "2", "XGA", "128", "1.8"},
                            {"(1024x768)", "1"},
                            true}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Mends, CalculateTest,
                         testing::Values(RunCase{{"NegativeWidthIsAFailure"},
                                                 {"-6", "2", "2", "XGA", "128", "1.8"},
                                                 {"(1024x768)", kWarning, "-3", "-12", "1920",
                                                  "-640", "-6", "2", "-0,4", "-3,1", "-3,2", "-2,8",
                                                  "-5,76", "-3,86"},
                                                 true},
                                         RunCase{{"NegativeHeightIsAFailure"},
                                                 {"6", "-2", "2", "XGA", "128", "1.8"},
                                                 {"(1024x768)", "-3", "-12", "1920", "-640", "6",
                                                  "-2", "0,4", "3,1", "3,2", "2,8", "5,76", "7,66"},
                                                 true},
                                         RunCase{{"InfiniteWidthIsAFailure"},
                                                 {"1E999", "2", "2", "XGA", "128", "1.8"},
                                                 {"(1024x768)"},
                                                 true},
                                         RunCase{{"InfiniteHeightWarnsThenFails"},
                                                 {"6", "1E999", "2", "XGA", "128", "1.8"},
                                                 {"(1024x768)", kWarning},
                                                 true},
                                         RunCase{{"InfiniteOverlapIsAFailure"},
                                                 {"6", "2", "2", "XGA", "1E999", "1.8"},
                                                 {"(1024x768)", "3", "12"},
                                                 true},
                                         // Shown, yet no installation: fails at the end.
                                         RunCase{{"NoThrowRatioIsAFailure"},
                                                 {"6", "2", "2", "XGA", "128", ""},
                                                 {"(1024x768)", "3", "12", "1920", "640", "6", "2",
                                                  "0,4", "3,1", "3,2", "2,8", "0", "1,9"},
                                                 true},
                                         RunCase{{"OverlapWiderThanAnImageIsAFailure"},
                                                 {"6", "2", "2", "XGA", "1100", "1.8"},
                                                 {"(1024x768)", "3", "12", "948", "316", "6", "2",
                                                  "6,96", "6,3", "6,48", "-0,48", "11,67", "13,57"},
                                                 true},
                                         RunCase{{"NoOverlapIsNoBlend"},
                                                 {"6", "2", "2", "XGA", "0", "1.8"},
                                                 {"(1024x768)", "3", "12", "2048", "682", "6", "2",
                                                  "0", "2,9", "3", "3", "5,4", "7,3"},
                                                 false},
                                         RunCase{{"OddWholeTotalShowsWhole"},
                                                 {"1", "1", "1", "SXGA+", "", "1"},
                                                 {"(1400x1050)", "1", "1", "1400", "1400", "1", "1",
                                                  "0", "0,7", "1", "1", "1", "2,9"},
                                                 false}),
                         CaseName{});

TEST(Calculate, PointFormatShowsPoints) {
  const RunRecord run =
      Calculate(FromExample(solvanix_test::kWorkedExamples[0]).texts, RegionalFormat{});
  ASSERT_EQ(run.events.size(), 13u);
  EXPECT_EQ(run.events[7], "0.4");
  EXPECT_EQ(run.events[12], "7.66");
}

TEST(Calculate, RunsKeepNothingBetweenThem) {
  const RunCase first = FromExample(solvanix_test::kWorkedExamples[0]);
  Calculate(FromExample(solvanix_test::kWorkedExamples[2]).texts);
  EXPECT_EQ(Calculate(first.texts).events, first.events);
  EXPECT_EQ(Calculate(first.texts).events, first.events);
}

// A display that misbehaves still ends the run with the one failure, never another exception.
class FaultyDisplay : public blend::Display {
 public:
  explicit FaultyDisplay(bool throwOnShow) : throwOnShow_(throwOnShow) {}
  void Show(ResultId, const std::string&) override {
    if (throwOnShow_) throw std::runtime_error("label gone");
  }
  void WarnTallerThanWide() override {}
  std::string ReadShown(ResultId) const override { return "not a number"; }

 private:
  bool throwOnShow_;
};

TEST(Calculate, DisplayFaultsBecomeTheCalculationFailure) {
  const BlendInputs inputs =
      blend::ReadBlendInputs(FromExample(solvanix_test::kWorkedExamples[0]).texts);
  for (bool throwOnShow : {true, false}) {
    FaultyDisplay display(throwOnShow);
    EXPECT_THROW(blend::Calculate(inputs, display), CalculationFailure) << throwOnShow;
  }
}

}  // namespace
