// The program's message boxes: modal, parented to the window, with a single OK button.
#pragma once

class QString;
class QWidget;

namespace ui {

enum class MessageIcon { Warning, Information };

// Returns once the user has dismissed the box.
void ShowMessage(QWidget* parent, MessageIcon icon, const QString& title, const QString& text);

}  // namespace ui
