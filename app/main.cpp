#include "ui/form1.h"
#include "ui/program.h"

int main(int /*argc*/, char* argv[]) {
  ui::Program program(argv[0]);
  ui::Form1 window;
  window.show();
  return ui::Program::exec();
}
