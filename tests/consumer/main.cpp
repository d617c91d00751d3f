#include <string>

#include "calc/blend.h"

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
  Keeper keeper;
  blend::Calculate(blend::ReadBlendInputs({"6", "2", "2", "XGA", "128", "1.8"}), keeper,
                   blend::RegionalFormat{","});
  return keeper.last == "7,66" ? 0 : 1;
}
