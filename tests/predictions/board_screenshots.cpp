// Takes the pictures of the prediction boards that the documentation shows:
// each board's region grid, and the zhongkao board with a listing open.
// Run it on a real X server (Xvfb will do): board_screenshots <folder>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "predictions/frm_yt.h"
#include "predictions/frm_yt1.h"
#include "toolkit/fonts.h"
#include "toolkit/forms.h"

namespace {

using tessaly::predictions::FrmYt;
using tessaly::predictions::FrmYt1;
namespace toolkit = tessaly::toolkit;

bool Shoot(QWidget* window, const QDir& folder, const char* file) {
  if (!QTest::qWaitForWindowExposed(window)) return false;
  QTest::qWait(300);  // let the fonts and the first paint settle
  const QPixmap shot = window->screen()->grabWindow(window->winId());
  const QString path = folder.filePath(QLatin1String(file));
  if (!shot.save(path)) return false;
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: board_screenshots <folder>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  toolkit::InstallFontSubstitutions();

  FrmYt* gaokao = toolkit::Load<FrmYt>();
  toolkit::Show(gaokao);
  bool ok = Shoot(gaokao, folder, "board_gaokao.png");
  toolkit::Unload<FrmYt>();

  FrmYt1* zhongkao = toolkit::Load<FrmYt1>();
  toolkit::Show(zhongkao);
  ok = Shoot(zhongkao, folder, "board_zhongkao.png") && ok;
  QWidget* sichuan =
      zhongkao->findChild<QWidget*>(QStringLiteral("Lbl_YT(14)"));
  QTest::mouseClick(sichuan, Qt::LeftButton, {}, sichuan->rect().center());
  ok = Shoot(zhongkao, folder, "board_listing.png") && ok;
  toolkit::Unload<FrmYt1>();
  return ok ? 0 : 1;
}
