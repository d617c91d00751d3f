// Six arbitrary texts and a separator through ReadBlendInputs and Calculate: only the
// calculation failure ever leaves, results arrive once each in increasing order, at most one
// warning comes and only before the ratio, and every shown number reads back.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/blend.h"

namespace {

class CheckingDisplay : public blend::Display {
 public:
  explicit CheckingDisplay(const blend::RegionalFormat& format) : format_(format) {}

  void Show(blend::ResultId id, const std::string& text) override {
    const int index = static_cast<int>(id);
    if (index <= lastShown_ || index >= blend::kResultCount) std::abort();
    lastShown_ = index;
    if (id != blend::ResultId::MatrixCaption) {
      try {
        blend::ReadDisplayedNumber(text, format_);
      } catch (const blend::CalculationFailure&) {
        std::abort();
      }
    }
    shown_[static_cast<std::size_t>(index)] = text;
  }
  void WarnTallerThanWide() override {
    if (warned_ || lastShown_ != 0) std::abort();
    warned_ = true;
  }
  std::string ReadShown(blend::ResultId id) const override {
    return shown_[static_cast<std::size_t>(id)];
  }

 private:
  const blend::RegionalFormat& format_;
  int lastShown_ = -1;
  bool warned_ = false;
  std::array<std::string, blend::kResultCount> shown_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const blend::RegionalFormat format{provider.ConsumeBool() ? "," : "."};
  blend::InputTexts texts;
  for (std::string* text : {&texts.screenWidth, &texts.screenHeight, &texts.projectorCount,
                            &texts.matrix, &texts.overlapPixels, &texts.throwRatio}) {
    *text = provider.ConsumeRandomLengthString(16);
  }
  CheckingDisplay display(format);
  try {
    blend::Calculate(blend::ReadBlendInputs(texts), display, format);
  } catch (const blend::CalculationFailure&) {
  } catch (...) {
    std::abort();
  }
  return 0;
}
