// Tessaly: a handbook for candidates of the 2005 entrance examinations.
#include <QApplication>

#include "app/command_line.h"
#include "app/program.h"
#include "toolkit/fonts.h"

namespace {

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  const QStringList arguments = Arguments(argc, argv);
  if (tessaly::app::WantsCommandLine(arguments)) {
    // The command line shows no window, so it needs no display either.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    tessaly::toolkit::InstallFontSubstitutions();
    return tessaly::app::RunCommandLine(arguments);
  }
  QApplication application(argc, argv);
  tessaly::app::StartProgram();
  return QApplication::exec();
}
