// One whole calculation, from the inputs record to the thirteenth shown text, through a display
// that only keeps its texts.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calc/blend.h"

namespace {

class KeepingDisplay : public blend::Display {
 public:
  void Show(blend::ResultId id, const std::string& text) override {
    texts_[static_cast<std::size_t>(id)] = text;
  }
  void WarnTallerThanWide() override {}
  std::string ReadShown(blend::ResultId id) const override {
    return texts_[static_cast<std::size_t>(id)];
  }

 private:
  std::array<std::string, blend::kResultCount> texts_;
};

void BM_WorkedExample(benchmark::State& state) {
  const blend::BlendInputs inputs = blend::ReadBlendInputs({"8", "2.5", "2", "HD", "256", "0.73"});
  const blend::RegionalFormat french{","};
  KeepingDisplay display;
  for (auto _ : state) {
    blend::Calculate(inputs, display, french);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_WorkedExample);

void BM_ReadInputsAndCalculate(benchmark::State& state) {
  const blend::InputTexts texts{"8", "2.5", "2", "HD", "256", "0.73"};
  const blend::RegionalFormat french{","};
  KeepingDisplay display;
  for (auto _ : state) {
    blend::Calculate(blend::ReadBlendInputs(texts), display, french);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ReadInputsAndCalculate);

void BM_FormatForDisplay(benchmark::State& state) {
  const blend::RegionalFormat french{","};
  double value = 4.29;
  for (auto _ : state) {
    benchmark::DoNotOptimize(blend::FormatForDisplay(value, french));
  }
}
BENCHMARK(BM_FormatForDisplay);

}  // namespace

BENCHMARK_MAIN();
