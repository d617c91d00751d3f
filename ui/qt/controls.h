// The controls that Qt has no ready widget for: a picture box that shows its picture unscaled
// from the top-left corner, a push button with a solid coloured face, a value label that never
// shows a number cut, and a label that can be clicked.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace ui::qt {

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

// Clicks on Space as every push button does, and on Enter and keypad Enter as a focused command
// button does on Windows. Its focus is a dotted rectangle inside the face.
class SolidFaceButton : public QPushButton {
 public:
  explicit SolidFaceButton(QWidget* parent = nullptr);
  void setFaceColour(const QColor& face);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QColor face_;
};

// A result label. A value too wide for its box would lose its leading digits and read as another
// number, so it paints "###" instead, as spreadsheets do; its text, tooltip and accessible name
// stay the whole value.
class ValueLabel : public QLabel {
 public:
  using QLabel::QLabel;
  bool fits() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
};

// A label that does something when clicked with the left button, or through its accessible
// "click" action.
class ClickableLabel : public QLabel {
 public:
  using QLabel::QLabel;
  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  void click();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> onClick_;
};

}  // namespace ui::qt
