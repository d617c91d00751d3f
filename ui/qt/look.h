// How the window's description looks in Qt: its fonts in pixels, with free faces standing in for
// the Windows ones; its system colours and palette, fixed so that no desktop theme changes a
// pixel of the window; its alignments.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "ui/description/layout.h"

namespace ui::qt {

// The face a font of the window is drawn in: the named one where it is installed, otherwise its
// first installed stand-in (MS Sans Serif: Liberation Sans on Debian).
QString InstalledFace(const char* face);
QFont ToFont(const layout::FontSpec& spec);
QColor ToColour(const layout::Colour& colour);
// The light palette the window was drawn with; every role of every group is set.
QPalette DesignedPalette();
Qt::Alignment ToAlignment(layout::Align align);

}  // namespace ui::qt
