// The two controls that Qt has no ready widget for: a picture box that shows its picture
// unscaled from the top-left corner, and a push button with a solid coloured face.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace ui {

class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent = nullptr);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

class SolidFaceButton : public QPushButton {
 public:
  explicit SolidFaceButton(QWidget* parent = nullptr);
  void setFaceColour(const QColor& face);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor face_;
};

}  // namespace ui
