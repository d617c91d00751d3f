#include <string>

#include "calc/blend.h"
#include "tests/support/worked_examples.h"

namespace {

class Keeper : public blend::Display {
 public:
  void Show(blend::ResultId id, const std::string& text) override {
    if (id == blend::ResultId::TotalThrowDepth) last = text;
    if (id == blend::ResultId::LensDistance) lens = text;
  }
  void WarnTallerThanWide() override {}
  std::string ReadShown(blend::ResultId id) const override {
    return id == blend::ResultId::LensDistance ? lens : std::string("6");
  }
  std::string lens, last;
};

}  // namespace

int main() {
  const solvanix_test::WorkedExample& example = solvanix_test::kWorkedExamples[0];
  const auto& in = example.inputs;
  Keeper keeper;
  blend::Calculate(blend::ReadBlendInputs({in[0], in[1], in[2], in[3], in[4], in[5]}), keeper,
                   blend::RegionalFormat{","});
  return keeper.last == example.shown.back() ? 0 : 1;
}
