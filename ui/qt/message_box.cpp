#include "ui/qt/message_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QString>
#include <QTimer>

namespace ui::qt {
namespace {

// Room beside the title, on the title bar, for the window manager's icon and close button.
constexpr int kTitleBarDecoration = 96;

// A box is as wide as its text needs; its title must not be cut on the title bar either. The
// window manager's title font is not Qt's to know: the box's own font, bold, stands for it.
void MakeRoomForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  QFont bold = box.font();
  bold.setBold(true);
  const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarDecoration;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

// Some window managers (openbox) keep their minimise button whatever the box asks for; a box
// minimised all the same comes straight back, since its window waits for it.
class StayOnShow : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QWidget*>(watched);
    if (box != nullptr && event->type() == QEvent::WindowStateChange && box->isMinimized()) {
      QTimer::singleShot(0, box, [box] {
        box->setWindowState(box->windowState() & ~Qt::WindowMinimized);
        box->raise();
        box->activateWindow();
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void ShowMessage(QWidget* parent, const texts::Message& message) {
  QMessageBox box(
      message.icon == texts::MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
      QString::fromUtf8(message.title), QString::fromUtf8(message.text), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  // Neither minimise nor maximise: a minimised box would leave its window blocked with no box in
  // sight.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  MakeRoomForTitle(box);
  StayOnShow stay;
  box.installEventFilter(&stay);
  box.exec();
}

}  // namespace ui::qt
