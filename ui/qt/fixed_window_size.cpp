#include "ui/qt/fixed_window_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ui::qt {

FixedWindowSize::FixedWindowSize(QWidget* window, QSize size)
    : QObject(window), window_(window), size_(size) {
  if (QGuiApplication::platformName() == QLatin1String("wayland")) {
    window->setMinimumSize(size);
    window->resize(size);
  } else {
    window->setFixedSize(size);
  }
  window->installEventFilter(this);
}

bool FixedWindowSize::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::WindowStateChange) {
    QTimer::singleShot(0, this, [this] { Unmaximize(); });
  } else if (event->type() == QEvent::Resize && window_->size() != size_ &&
             QGuiApplication::platformName() != QLatin1String("wayland")) {
    // A window manager that enlarged the window without calling it maximized (Weston's, for
    // an X window) gets the designed size asked for again.
    QTimer::singleShot(0, this, [this] { Restore(); });
  }
  return QObject::eventFilter(watched, event);
}

void FixedWindowSize::Restore() {
  Unmaximize();
  if (window_->size() != size_) window_->resize(size_);
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
