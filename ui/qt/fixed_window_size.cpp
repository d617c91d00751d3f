#include "ui/qt/fixed_window_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ui::qt {

FixedWindowSize::FixedWindowSize(QWidget* window, QSize size) : QObject(window), window_(window) {
  if (QGuiApplication::platformName() == QLatin1String("wayland")) {
    window->setMinimumSize(size);
    window->resize(size);
  } else {
    window->setFixedSize(size);
  }
  window->installEventFilter(this);
}

bool FixedWindowSize::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::WindowStateChange) {
    QTimer::singleShot(0, this, [this] { Unmaximize(); });
  }
  return QObject::eventFilter(watched, event);
}

void FixedWindowSize::Unmaximize() {
  QWindow* window = window_->windowHandle();
  constexpr Qt::WindowStates kEnlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
  // Through the window alone: the widget would shrink at once, before the compositor agrees.
  if (window != nullptr && (window->windowStates() & kEnlarged)) {
    window->setWindowStates(window->windowStates() & ~kEnlarged);
  }
}

}  // namespace ui::qt
