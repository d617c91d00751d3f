// Prints what the core makes of each input line, so that the WebAssembly core and the native one
// can be compared on the same lines. Under French regional settings, a line is either
//   C <tab> six input texts separated by tabs  ->  every shown text, "!warning" and "!failure"
//   N <tab> the 16 hex digits of a double's bits  ->  that double as the display rule writes it
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "calc/blend.h"

namespace {

const blend::RegionalFormat kFrench{","};

class PrintingDisplay : public blend::Display {
 public:
  explicit PrintingDisplay(std::string& out) : out_(out) {}
  void Show(blend::ResultId id, const std::string& text) override {
    shown_[static_cast<std::size_t>(id)] = text;
    out_ += '\t';
    out_ += text;
  }
  void WarnTallerThanWide() override { out_ += "\t!warning"; }
  std::string ReadShown(blend::ResultId id) const override {
    return shown_[static_cast<std::size_t>(id)];
  }

 private:
  std::string& out_;
  std::vector<std::string> shown_ = std::vector<std::string>(blend::kResultCount);
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

std::string Calculated(const std::vector<std::string>& f) {
  std::string out = "C";
  if (f.size() != 7) return out + "\t!malformed";
  PrintingDisplay display(out);
  try {
    blend::Calculate(blend::ReadBlendInputs({f[1], f[2], f[3], f[4], f[5], f[6]}), display,
                     kFrench);
  } catch (const blend::CalculationFailure&) {
    out += "\t!failure";
  }
  return out;
}

std::string Written(const std::vector<std::string>& f) {
  if (f.size() != 2) return "N\t!malformed";
  const std::uint64_t bits = std::stoull(f[1], nullptr, 16);
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  try {
    return "N\t" + blend::FormatForDisplay(value, kFrench);
  } catch (const blend::CalculationFailure&) {
    return "N\t!failure";
  }
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) {
    const std::vector<std::string> fields = Fields(line);
    std::cout << (fields[0] == "C" ? Calculated(fields) : Written(fields)) << '\n';
  }
  return 0;
}
