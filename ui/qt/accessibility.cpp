#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

#include "ui/qt/controls.h"

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

// A clickable label reads as a label and offers its click to assistive tools.
class ClickableInterface : public QAccessibleWidget {
 public:
  explicit ClickableInterface(ClickableLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    QString own = QAccessibleWidget::text(t);
    if (t != QAccessible::Name || !own.isEmpty()) return own;
    return static_cast<QLabel*>(widget())->text();
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << ClickAction();
  }
  void doAction(const QString& name) override {
    if (name == ClickAction()) {
      static_cast<ClickableLabel*>(widget())->click();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

 private:
  static QString ClickAction() { return QStringLiteral("click"); }
};

QAccessibleInterface* Interface(const QString& /*className*/, QObject* object) {
  if (auto* label = dynamic_cast<ClickableLabel*>(object)) return new ClickableInterface(label);
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
