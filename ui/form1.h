// The program's only window: the six inputs of a soft-edge calculation, the OK button, the
// thirteen result labels, the header with its banners and the version marks. Every control is
// built from the layout table; the window sets its own fonts, colours and style, so it looks the
// same however the application around it is set up.
#pragma once

#include <QWidget>

#include <memory>

class QEvent;
class QObject;

namespace ui {

struct CalculationControls;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void Command1_Click();
  void Version_Click(int index);

  std::unique_ptr<CalculationControls> calculationControls_;
};

}  // namespace ui
