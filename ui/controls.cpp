#include "ui/controls.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

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
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = box.adjusted(4, 4, -4, -4);
    option.backgroundColor = face_;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace ui
