#include "ui/about_message.h"

#include <QString>

#include "ui/message_box.h"

namespace ui {

QString AboutTitle() { return QStringLiteral("SOLVANIX v1.64 Light"); }

QString AboutText() {
  return QStringLiteral(
      "SOLVANIX Light est libre de copie : copiez-la et partagez-la sans restriction.\n"
      "La gamme compte aussi SOLVANIX Studio et SOLVANIX Tournée.\n"
      "Suite SOLVANIX, par l'équipe SOLVANIX, 2019-2026.");
}

void ShowAboutMessage(QWidget* window) {
  ShowMessage(window, MessageIcon::Information, AboutTitle(), AboutText());
}

}  // namespace ui
