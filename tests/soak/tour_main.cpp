// Walks through every window on a real display and saves what the screen
// shows at the steps worth showing: the pictures of the README.
//
//   tessaly_tour <folder>   (run under a display, e.g. xvfb-run)
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <map>

#include "tests/soak/window_walk.h"

namespace {

using tessaly::soak::WalkOptions;
using tessaly::soak::WindowWalk;

// Walk steps to picture, and the file each goes to; the numbers give the
// order in which the README shows them.
const std::map<QString, QString>& Shots() {
  static const std::map<QString, QString> shots = {
      {QStringLiteral("main_title"), QStringLiteral("01_title_screen.png")},
      {QStringLiteral("main_screen"), QStringLiteral("02_main_screen.png")},
      {QStringLiteral("main_gaokao"), QStringLiteral("03_gaokao_edition.png")},
      {QStringLiteral("topic_03"), QStringLiteral("04_reader_anxiety.png")},
      {QStringLiteral("topic_03_end"),
       QStringLiteral("05_reader_anxiety_end.png")},
      {QStringLiteral("topic_12"), QStringLiteral("06_reader_career.png")},
      {QStringLiteral("topic_01"), QStringLiteral("07_reader_fixed_page.png")},
      {QStringLiteral("board_gaokao"), QStringLiteral("08_board_gaokao.png")},
      {QStringLiteral("board_gaokao_region_0"),
       QStringLiteral("09_board_gaokao_listing.png")},
      {QStringLiteral("board_zhongkao"),
       QStringLiteral("10_board_zhongkao.png")},
      {QStringLiteral("board_zhongkao_region_0"),
       QStringLiteral("11_board_zhongkao_listing.png")},
      {QStringLiteral("state_test_1"), QStringLiteral("12_state_test.png")},
      {QStringLiteral("state_test_2"), QStringLiteral("13_state_chart.png")},
  };
  return shots;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc != 2) {
    std::fprintf(stderr, "usage: tessaly_tour <folder>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  int saved = 0;
  int failed = 0;
  WalkOptions options;
  options.one_region_snapshot = true;
  options.snapshot = [&](QWidget* window, const QString& step) {
    const auto shot = Shots().find(step);
    if (shot == Shots().end()) return;
    window->raise();
    window->activateWindow();
    QTest::qWait(250);  // let the window manager and the display catch up
    // The frame too, so the captions show; a bare display has none and the
    // frame geometry is then the window's own.
    const QRect area = window->frameGeometry();
    const QPixmap picture = window->screen()->grabWindow(
        0, area.x(), area.y(), area.width(), area.height());
    if (picture.save(folder.filePath(shot->second))) {
      ++saved;
    } else {
      std::fprintf(stderr, "tessaly_tour: cannot write %s\n",
                   qPrintable(shot->second));
      ++failed;
    }
  };

  WindowWalk walk(std::move(options));
  if (!walk.OpenMainScreen()) return 1;
  walk.ReadEveryTopic();
  walk.WalkBoards();
  walk.RunStateTests();
  walk.CloseMainWindow();
  for (const QString& problem : walk.Problems()) {
    std::fprintf(stderr, "tessaly_tour: %s\n", qPrintable(problem));
  }
  std::printf("%d pictures in %s\n", saved, argv[1]);
  return failed == 0 && walk.Problems().isEmpty() ? 0 : 1;
}
