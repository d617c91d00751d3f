#include "ui/message_box.h"

#include <QMessageBox>
#include <QString>

namespace ui {

void ShowMessage(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace ui
