#include "ui/win32/box_colours.h"

#include "ui/description/layout.h"
#include "ui/win32/colours.h"

namespace ui::win32 {

HBRUSH PrepareBox(HDC dc) {
  // Every text box and list: black text on the window colour (see ToColour).
  const layout::ControlRow& box = layout::Controls()[layout::CalculationInputs().front().index];
  SetTextColor(dc, ToColour(box.text));
  SetBkColor(dc, ToColour(box.background));
  return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace ui::win32
