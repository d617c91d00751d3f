#include "ui/keystroke_filters.h"

#include <QEvent>
#include <QKeyEvent>

namespace ui {

QValidator::State DecimalPointValidator::validate(QString& input, int&) const {
  input.replace(QLatin1Char(','), QLatin1Char('.'));
  return Acceptable;
}

bool ListKeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_Delete:
        return false;
      default:
        return !key->text().isEmpty();
    }
  }
  if (event->type() == QEvent::InputMethod) return true;  // composed text is typed text too
  return QObject::eventFilter(watched, event);
}

}  // namespace ui
