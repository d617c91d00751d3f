#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ui::qt {
namespace {

class AnnouncementInterface : public QAccessibleWidget {
 public:
  explicit AnnouncementInterface(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
  }
};

class SilentInterface : public QAccessibleWidget {
 public:
  explicit SilentInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
  QString text(QAccessible::Text) const override { return {}; }
  QAccessible::State state() const override {
    QAccessible::State hidden = QAccessibleWidget::state();
    hidden.invisible = true;
    return hidden;
  }
};

QAccessibleInterface* Interface(const QString& /*className*/, QObject* object) {
  if (auto* announcement = dynamic_cast<Announcement*>(object)) {
    return new AnnouncementInterface(announcement);
  }
  if (auto* label = dynamic_cast<SilentLabel*>(object)) return new SilentInterface(label);
  return nullptr;
}

}  // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void Announcement::Announce(const QString& text) {
  hide();
  setAccessibleName(text);
  show();
}

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&Interface);
    return true;
  }();
  (void)installed;
}

}  // namespace ui::qt
