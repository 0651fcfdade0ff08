// Tessaly: a handbook for candidates of the 2005 entrance examinations.
#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tessaly::app::StartProgram();
  return QApplication::exec();
}
