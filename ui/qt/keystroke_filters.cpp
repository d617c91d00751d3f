#include "ui/qt/keystroke_filters.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <string>
#include <string_view>

#include "ui/description/keystroke_rules.h"

namespace ui::qt {
namespace {

bool IsPaste(const QKeyEvent* key) {
  // Ctrl+V, Shift+Insert and the Paste key, as the platform binds them.
  return key->matches(QKeySequence::Paste) || key->key() == Qt::Key_Paste;
}

// Keys the edit field and the closed list keep.
bool DiscardedInField(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return false;
    default:
      return !key->text().isEmpty() || IsPaste(key);
  }
}

// In the open popup every typed character is discarded, so that typing never jumps to an item;
// Enter and Escape still choose the highlighted item and close.
bool DiscardedInPopup(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return false;
    default:
      return !key->text().isEmpty();
  }
}

}  // namespace

// Typed, pasted, dropped or set: the box holds the text as its rule reads it.
QValidator::State DecimalPointValidator::validate(QString& input, int& position) const {
  const std::u16string_view text(reinterpret_cast<const char16_t*>(input.utf16()),
                                 static_cast<std::size_t>(input.size()));
  const std::u16string held = keystrokes::InDimensionBox(text);
  if (held == text) return Acceptable;
  if (held.size() != text.size()) {
    // A digit beyond the first plane took two units and now takes one.
    const auto before = std::min(static_cast<std::size_t>(std::max(position, 0)), text.size());
    position = static_cast<int>(keystrokes::InDimensionBox(text.substr(0, before)).size());
  }
  input = QString::fromStdU16String(held);
  return Acceptable;
}

void ListKeystrokeFilter::Guard(QComboBox* list) {
  // The wheel must not take the focus either.
  list->setFocusPolicy(Qt::StrongFocus);
  QLineEdit* field = list->lineEdit();
  field->setAcceptDrops(false);
  field->setContextMenuPolicy(Qt::NoContextMenu);
  for (QObject* watched : {static_cast<QObject*>(list), static_cast<QObject*>(field),
                           static_cast<QObject*>(list->view())}) {
    watched->installEventFilter(this);
  }
}

bool ListKeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (qobject_cast<QAbstractItemView*>(watched) != nullptr) return DiscardedInPopup(key);
      return DiscardedInField(key);
    }
    case QEvent::InputMethod:  // composed text is typed text too
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      // The middle button pastes the primary selection.
      return qobject_cast<QLineEdit*>(watched) != nullptr &&
             (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton);
    case QEvent::Wheel: {
      const auto* list = qobject_cast<QComboBox*>(watched);
      return list != nullptr && !list->hasFocus();
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace ui::qt
