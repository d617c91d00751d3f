#include "ui/qt/program.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace ui::qt {

void PreferXWaylandForAFixedWindow() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
    // Wayland stays the fallback should the X server not answer.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  }
}

void LoadFrenchQtTexts(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

Program::Program(char* programName) : ProgramName(programName), QApplication(qtArgc, qtArgv) {
  LoadFrenchQtTexts(*this);
}

}  // namespace ui::qt
