// What the input controls accept from the keyboard. In the two dimension boxes a decimal comma,
// typed, pasted or dropped, becomes the decimal point the calculation reads. The four lists
// refuse every typed character, so that their values come from their lists.
#pragma once

#include <QObject>
#include <QValidator>

namespace ui {

class DecimalPointValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

// Installed on a list and its edit field: swallows every key press that carries a character
// (backspace, enter, escape and control codes too), but lets Tab and Backtab move the focus and
// leaves keys without a character (arrows, Delete, function keys) to the list.
class ListKeystrokeFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui
