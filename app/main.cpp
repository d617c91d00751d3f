#include "ui/form1.h"
#include "ui/qt/program.h"

int main(int /*argc*/, char* argv[]) {
  ui::qt::Program program(argv[0]);
  ui::Form1 window;
  window.show();
  return ui::qt::Program::exec();
}
