// The about message that either version label opens.
#pragma once

class QString;
class QWidget;

namespace ui {

QString AboutTitle();
QString AboutText();  // three lines joined by a line feed alone

void ShowAboutMessage(QWidget* window);

}  // namespace ui
