// What screen readers get from the Qt window beyond Qt's own: an announcement of the results
// after each run, labels that are not read at all (the raised "2" belongs to its "m"), and
// clickable labels with a "click" action.
//
// Qt 6.4 has no announcement event, and Orca does not speak a focused button's new name. So an
// invisible 1 x 1 child with the accessible role of a notification carries the text: it is
// hidden, given the text as its name and shown again, and the screen reader speaks it once. It
// paints nothing, so the window's pixels stay the same.
#pragma once

#include <QLabel>
#include <QWidget>

namespace ui::qt {

class Announcement : public QWidget {
 public:
  explicit Announcement(QWidget* parent);
  void Announce(const QString& text);
};

class SilentLabel : public QLabel {
 public:
  using QLabel::QLabel;
};

// Gives both their accessible interfaces; once per program.
void InstallAccessibleInterfaces();

}  // namespace ui::qt
