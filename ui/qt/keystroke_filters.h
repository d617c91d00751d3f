// The input rules in Qt. A dimension box holds its text as the calculation reads it: a decimal
// comma becomes the point, a look-alike digit, sign or space its ASCII form. The four lists show
// one of their items or nothing: nothing typed, pasted, dropped or composed reaches their edit
// fields, and whatever else changes a field's text (an assistive tool, a route nobody thought
// of) finds the text it had put back at once.
#pragma once

#include <QObject>
#include <QValidator>

class QComboBox;
class QLineEdit;

namespace ui::layout {
struct ComboList;
}  // namespace ui::layout

namespace ui::qt {

// The state rule of a dimension box: whatever sets its text, the box holds it as the rule reads.
class DecimalPointValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

// Installed on a dimension box by Guard(). Typed, composed, pasted and dropped text arrives
// already as the box holds it, so that the edit stays one step of the box's undo history: the
// validator's own change would clear that history. The box's context menu is Qt's, in Qt's
// words, but its Coller pastes as Ctrl+V does.
class DimensionBoxFilter : public QObject {
 public:
  using QObject::QObject;
  void Guard(QLineEdit* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installed on a list, its edit field and its popup by Guard(). Discards every key press that
// carries a character (backspace, enter, escape and control codes too) and every paste: the
// paste shortcuts, a middle click and the input method. Tab and Backtab still move the focus,
// and keys without a character (arrows, Page Up/Down, F4) keep their usual effect. Delete, with
// any modifier, clears the whole field when part of it is selected and does nothing otherwise.
// There is no context menu: it would offer to paste, cut, delete or undo. In the open popup, Enter
// and Escape still choose and close. The mouse wheel changes a list only while it has the focus.
// Under all of these, the field's text is guarded itself: a text that is neither an item nor
// empty is replaced at once by the one before, and the chosen item follows the field.
class ListKeystrokeFilter : public QObject {
 public:
  using QObject::QObject;
  void Guard(QComboBox* list, const layout::ComboList& items);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void GuardText(QComboBox* list, const layout::ComboList& items);
  static bool Deleted(QObject* watched);
};

}  // namespace ui::qt
