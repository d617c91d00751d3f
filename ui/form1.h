// The window's public name: ui::Form1, the Qt window (ui/qt/form1.h).
#pragma once

#include "ui/qt/form1.h"  // IWYU pragma: export
