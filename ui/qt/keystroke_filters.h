// The keystroke rules in Qt. In the two dimension boxes a decimal comma, typed, pasted or dropped,
// becomes the decimal point the calculation reads. The four lists take their values from their
// lists only: nothing typed, pasted, dropped or composed reaches their edit fields.
#pragma once

#include <QObject>
#include <QValidator>

class QComboBox;

namespace ui::qt {

class DecimalPointValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

// Installed on a list, its edit field and its popup by Guard(). Discards every key press that
// carries a character (backspace, enter, escape and control codes too) and every paste: the
// paste shortcuts, a middle click and the input method. Tab and Backtab still move the focus,
// and keys without a character (arrows, Page Up/Down, F4, Delete) keep their usual effect. In
// the open popup, Enter and Escape still choose and close. The mouse wheel changes a list only
// while it has the focus.
class ListKeystrokeFilter : public QObject {
 public:
  using QObject::QObject;
  void Guard(QComboBox* list);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui::qt
