// Keeps a window at its designed size. Where a window manager or a compositor maximizes or
// enlarges it all the same, the window asks at once to be its own size again; its controls never
// move.
//
// On Wayland the size is not fixed at the protocol level: Qt 6.4 draws its own title bar there,
// with a maximize button whatever the window's flags, and a compositor may then insist on the
// maximized size. A window that cannot take it loses its connection, and the program ends. So on
// Wayland the window only refuses to shrink: it takes a maximized size for an instant, and the
// compositor's answer to its request brings it back.
#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace ui::qt {

class FixedWindowSize : public QObject {
 public:
  FixedWindowSize(QWidget* window, QSize size);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Unmaximize();
  void Restore();

  QWidget* window_;
  QSize size_;
};

}  // namespace ui::qt
