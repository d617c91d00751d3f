// The ids of the window's controls. The control at index i of the description's table has the id
// ControlId(i), which WM_COMMAND and WM_DRAWITEM carry and GetDlgCtrlID gives back; IndexOf turns
// an id back into the index, and answers layout::kControlCount for an id that is no control's.
#pragma once

#include <cstddef>

#include "ui/description/layout.h"

namespace ui::win32 {

// Well above IDOK, IDCANCEL and the other ids the dialog manager sends for itself.
inline constexpr int kFirstControlId = 1000;

constexpr int ControlId(std::size_t index) { return kFirstControlId + static_cast<int>(index); }

constexpr std::size_t IndexOf(int id) {
  return id >= kFirstControlId && id - kFirstControlId < static_cast<int>(layout::kControlCount)
             ? static_cast<std::size_t>(id - kFirstControlId)
             : layout::kControlCount;
}

}  // namespace ui::win32
