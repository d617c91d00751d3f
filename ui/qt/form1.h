// The program's only window in Qt: the six inputs of a soft-edge calculation, the OK button, the
// thirteen result labels, the header with its banners and the version marks. Every control is
// built from the window's description; the window sets its own fonts, colours and style, so it
// looks the same whatever the desktop's theme.
#pragma once

#include <QWidget>

#include <array>

#include "ui/description/layout.h"

namespace ui {
namespace qt {
class Announcement;
}  // namespace qt

class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // The control built from the description's row `index`.
  QWidget* Control(std::size_t index) const { return controls_.at(index); }
  // Has the screen reader say `summary` once.
  void Announce(const QString& summary);

 private:
  void SetUpWindow();
  void CreateControls();
  void FillLists();
  void GuardInputs();
  void NameForScreenReaders();
  void ShowBanners();
  void ConnectCommands();
  void SetFocusOrder();
  void ShareStyle();

  void CreateAnnouncement();

  void Command1_Click();
  void Version_Click(int index);

  std::array<QWidget*, layout::kControlCount> controls_{};
  qt::Announcement* announcement_ = nullptr;
};

}  // namespace ui
