#include "ui/qt/message_box.h"

#include <QMessageBox>
#include <QString>

namespace ui::qt {

void ShowMessage(QWidget* parent, const texts::Message& message) {
  QMessageBox box(
      message.icon == texts::MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
      QString::fromUtf8(message.title), QString::fromUtf8(message.text), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace ui::qt
