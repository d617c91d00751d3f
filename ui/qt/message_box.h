// The program's message boxes in Qt: modal, parented to the window, with a single OK button and
// their text shown as plain text; never minimised or maximised, and wide enough for their title.
#pragma once

#include "ui/description/texts.h"

class QWidget;

namespace ui::qt {

// Returns once the user has dismissed the box.
void ShowMessage(QWidget* parent, const texts::Message& message);

}  // namespace ui::qt
