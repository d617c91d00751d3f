#include "ui/qt/keystroke_filters.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleHints>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
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
      return false;
    default:
      return !key->text().isEmpty() || IsPaste(key);
  }
}

std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The text as a dimension box holds it.
QString Held(const QString& text) {
  return QString::fromStdU16String(keystrokes::InDimensionBox(View(text)));
}

bool ChangedByRule(const QString& text) {
  return keystrokes::InDimensionBox(View(text)) != View(text);
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

// One command of a dimension box's context menu, in the menu's order. The text is Qt's own, read
// through its French translation; the name is the command's icon name, by which it is found.
struct EditCommand {
  const char* name;
  const char* text;  // Qt's text for it, in its QLineEdit context
  QKeySequence::StandardKey key;
  bool separatorBefore;
};

constexpr EditCommand kEditCommands[] = {
    {"edit-undo", "&Undo", QKeySequence::Undo, false},
    {"edit-redo", "&Redo", QKeySequence::Redo, false},
    {"edit-cut", "Cu&t", QKeySequence::Cut, true},
    {"edit-copy", "&Copy", QKeySequence::Copy, false},
    {"edit-paste", "&Paste", QKeySequence::Paste, false},
    {"edit-delete", "Delete", QKeySequence::UnknownKey, false},
    {"select-all", "Select All", QKeySequence::SelectAll, true},
};

QAction* AddCommand(QMenu* menu, const EditCommand& command) {
  if (command.separatorBefore) menu->addSeparator();
  QString text = QCoreApplication::translate("QLineEdit", command.text);
  if (command.key != QKeySequence::UnknownKey &&
      QGuiApplication::styleHints()->showShortcutsInContextMenus()) {
    text += QLatin1Char('\t') + QKeySequence(command.key).toString(QKeySequence::NativeText);
  }
  QAction* action = menu->addAction(text);
  action->setObjectName(QLatin1String(command.name));
  const QString icon = QLatin1String(command.name);
  if (QIcon::hasThemeIcon(icon)) action->setIcon(QIcon::fromTheme(icon));
  return action;
}

// The box's context menu, as Qt's own, except that Coller pastes the text as the box holds it,
// as Ctrl+V does, so that the paste stays one step of the undo history.
QMenu* EditMenu(QLineEdit* box, const std::function<void(const QString&)>& insertHeld) {
  auto* menu = new QMenu(box);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const bool editable = !box->isReadOnly();
  const bool selected = box->hasSelectedText();
  const QString pasted = QGuiApplication::clipboard()->text();
  struct Wiring {
    bool enabled;
    std::function<void()> run;
  };
  const Wiring wiring[] = {
      {editable && box->isUndoAvailable(), [box] { box->undo(); }},
      {editable && box->isRedoAvailable(), [box] { box->redo(); }},
      {editable && selected, [box] { box->cut(); }},
      {selected, [box] { box->copy(); }},
      {editable && !pasted.isEmpty(),
       [insertHeld] { insertHeld(QGuiApplication::clipboard()->text()); }},
      {editable && selected, [box] { box->del(); }},
      {!box->text().isEmpty() && box->selectedText() != box->text(), [box] { box->selectAll(); }},
  };
  static_assert(std::size(wiring) == std::size(kEditCommands));
  for (std::size_t i = 0; i < std::size(kEditCommands); ++i) {
    QAction* action = AddCommand(menu, kEditCommands[i]);
    action->setEnabled(wiring[i].enabled);
    QObject::connect(action, &QAction::triggered, box, wiring[i].run);
  }
  return menu;
}

}  // namespace

// Typed, pasted, dropped or set: the box holds the text as its rule reads it.
QValidator::State DecimalPointValidator::validate(QString& input, int& position) const {
  const std::u16string_view text = View(input);
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

void DimensionBoxFilter::Guard(QLineEdit* box) {
  box->setValidator(new DecimalPointValidator(box));
  box->installEventFilter(this);
}

bool DimensionBoxFilter::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr) return QObject::eventFilter(watched, event);
  auto insertHeld = [box](const QString& text) {
    if (!box->isReadOnly()) box->insert(Held(text));
  };
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (IsPaste(key)) {
        const QString pasted = QGuiApplication::clipboard()->text();
        if (!ChangedByRule(pasted)) break;
        insertHeld(pasted);
        return true;
      }
      if (!ChangedByRule(key->text())) break;
      QKeyEvent held(key->type(), key->key(), key->modifiers(), Held(key->text()),
                     key->isAutoRepeat(), key->count());
      QCoreApplication::sendEvent(box, &held);
      return true;
    }
    case QEvent::InputMethod: {
      const auto* input = static_cast<QInputMethodEvent*>(event);
      if (!ChangedByRule(input->commitString())) break;
      QInputMethodEvent held(input->preeditString(), input->attributes());
      held.setCommitString(Held(input->commitString()), input->replacementStart(),
                           input->replacementLength());
      QCoreApplication::sendEvent(box, &held);
      return true;
    }
    case QEvent::MouseButtonRelease: {
      // The middle button pastes the primary selection where it was pressed.
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
      if (mouse->button() != Qt::MiddleButton || !ChangedByRule(selection) ||
          !box->rect().contains(mouse->position().toPoint())) {
        break;
      }
      insertHeld(selection);
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString dropped = drop->mimeData()->text();
      if (!ChangedByRule(dropped)) break;
      box->deselect();
      box->setCursorPosition(box->cursorPositionAt(drop->position().toPoint()));
      insertHeld(dropped);
      drop->acceptProposedAction();
      box->update();
      return true;
    }
    case QEvent::ContextMenu:
      EditMenu(box, insertHeld)->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void ListKeystrokeFilter::Guard(QComboBox* list, const layout::ComboList& items) {
  // The wheel must not take the focus either.
  list->setFocusPolicy(Qt::StrongFocus);
  QLineEdit* field = list->lineEdit();
  field->setAcceptDrops(false);
  field->setContextMenuPolicy(Qt::NoContextMenu);
  for (QObject* watched : {static_cast<QObject*>(list), static_cast<QObject*>(field),
                           static_cast<QObject*>(list->view())}) {
    watched->installEventFilter(this);
  }
  GuardText(list, items);
}

// Whatever changed the field, it shows an item or nothing, and the chosen item is the one shown.
void ListKeystrokeFilter::GuardText(QComboBox* list, const layout::ComboList& items) {
  QLineEdit* field = list->lineEdit();
  auto shown = std::make_shared<QString>(field->text());
  connect(field, &QLineEdit::textChanged, list, [list, field, &items, shown](const QString& text) {
    if (!keystrokes::ListMayShow(items, text.toStdString())) {
      field->setText(*shown);
      return;
    }
    *shown = text;
    const int item = text.isEmpty() ? -1 : list->findText(text, Qt::MatchExactly);
    if (list->currentIndex() != item) list->setCurrentIndex(item);
  });
}

// Delete, Shift+Delete (cut) or Ctrl+Delete: a partial delete would make another value.
bool ListKeystrokeFilter::Deleted(QObject* watched) {
  auto* list = qobject_cast<QComboBox*>(watched);
  if (list == nullptr) {
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
      list = qobject_cast<QComboBox*>(field->parentWidget());
    }
  }
  if (list == nullptr || list->lineEdit() == nullptr) return true;
  if (list->lineEdit()->hasSelectedText()) list->setCurrentIndex(-1);
  return true;
}

bool ListKeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (qobject_cast<QAbstractItemView*>(watched) != nullptr) return DiscardedInPopup(key);
      if (key->key() == Qt::Key_Delete) return Deleted(watched);
      return DiscardedInField(key);
    }
    case QEvent::ContextMenu:  // no menu: it would offer to paste, cut, delete or undo
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
