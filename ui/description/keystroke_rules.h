// What the input controls make of a typed character, before the control takes it. In the two
// dimension boxes a decimal comma becomes the decimal point the calculation reads; the four lists
// refuse every character, so that their values come from their lists.
#pragma once

#include "ui/description/layout.h"

namespace ui::keystrokes {

// The character the control takes instead of `typed`; 0 when it takes none.
constexpr char16_t Filtered(layout::Kind kind, char16_t typed) {
  switch (kind) {
    case layout::Kind::TextBox:
      return typed == u',' ? u'.' : typed;
    case layout::Kind::ComboBox:
      return 0;
    case layout::Kind::Label:
    case layout::Kind::Button:
    case layout::Kind::Frame:
    case layout::Kind::PictureBox:
      break;
  }
  return typed;
}

}  // namespace ui::keystrokes
