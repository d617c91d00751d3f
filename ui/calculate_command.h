// The OK command: reads the six inputs, runs the blend calculation against a display that
// writes each result into its label at once, and turns any failure into one message box.
#pragma once

#include <array>

#include "calc/blend.h"

class QLabel;
class QWidget;

namespace ui {

struct CalculationControls {
  std::array<QWidget*, 6> inputs;                    // Text1, Text2, Combo1, Combo3, Combo5, Combo6
  std::array<QLabel*, blend::kResultCount> results;  // indexed by ResultId
};

void RunCalculateCommand(QWidget* window, const CalculationControls& controls);

}  // namespace ui
