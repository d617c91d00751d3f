#include "ui/qt/controls.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include "ui/description/texts.h"

namespace ui::qt {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

SolidFaceButton::SolidFaceButton(QWidget* parent) : QPushButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

void SolidFaceButton::setFaceColour(const QColor& face) {
  face_ = face;
  update();
}

void SolidFaceButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

namespace {

// Every other pixel of the rectangle's outline, starting at its corner, as Windows draws a
// focus rectangle; black dots stand out on any face colour light enough to read black text on.
void DrawDottedRectangle(QPainter& painter, const QRect& box, const QColor& dots) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(dots);
  auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) painter.drawRect(x, y, 1, 1);
  };
  for (int x = box.left(); x <= box.right(); ++x) {
    dot(x, box.top());
    dot(x, box.bottom());
  }
  for (int y = box.top() + 1; y < box.bottom(); ++y) {
    dot(box.left(), y);
    dot(box.right(), y);
  }
}

}  // namespace

// A flat face in exactly the chosen colour, with a one-pixel bevel that sinks while pressed.
void SolidFaceButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect box = rect();
  painter.fillRect(box, face_);
  const bool sunken = isDown();
  const QColor light = sunken ? QColor(Qt::black) : QColor(Qt::white);
  const QColor dark = sunken ? QColor(Qt::white) : QColor(Qt::black);
  painter.setPen(light);
  painter.drawLine(box.topLeft(), box.topRight());
  painter.drawLine(box.topLeft(), box.bottomLeft());
  painter.setPen(dark);
  painter.drawLine(box.bottomLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomRight());

  painter.setPen(palette().color(QPalette::ButtonText));
  painter.setFont(font());
  const QRect textBox = sunken ? box.translated(1, 1) : box;
  painter.drawText(textBox, Qt::AlignCenter | Qt::TextShowMnemonic, text());
  if (hasFocus()) DrawDottedRectangle(painter, box.adjusted(3, 3, -3, -3), Qt::black);
}

bool ValueLabel::fits() const {
  return QFontMetrics(font()).horizontalAdvance(text()) <= contentsRect().width();
}

void ValueLabel::paintEvent(QPaintEvent* event) {
  if (fits()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                        isEnabled(), QString::fromLatin1(texts::kDoesNotFit), foregroundRole());
}

bool ValueLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // Only a value shown as "###" needs its whole text in a tooltip.
    if (fits()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
    }
    return true;
  }
  return QLabel::event(event);
}

void ClickableLabel::click() {
  if (onClick_) onClick_();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    click();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace ui::qt
