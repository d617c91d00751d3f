// The Qt application that carries the window. The program has no command line, so Qt is given
// the program's name alone and none of its standard options act (-reverse, -qwindowtitle ...);
// its environment variables still do, since desktops and tests need them. Qt's own texts (the
// edit fields' context menu, the boxes' buttons) are French, whatever the user's language.
#pragma once

#include <QApplication>

namespace ui::qt {

// Where Qt may choose its platform, a Wayland session with an X server beside it runs the
// window through that X server: Qt 6.4 draws a maximize button on Wayland that a fixed-size
// window cannot honour, and some compositors end the program when it tries. A platform the
// user names in QT_QPA_PLATFORM is kept.
void PreferXWaylandForAFixedWindow();

// Qt's French translations, from Qt's own folder; English stays where they are not installed.
void LoadFrenchQtTexts(QCoreApplication& application);

namespace detail {
struct ProgramName {
  explicit ProgramName(char* name) : qtArgv{name, nullptr} { PreferXWaylandForAFixedWindow(); }
  int qtArgc = 1;
  char* qtArgv[2];
};
}  // namespace detail

class Program : private detail::ProgramName, public QApplication {
 public:
  explicit Program(char* programName);
};

}  // namespace ui::qt
